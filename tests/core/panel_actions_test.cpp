// The item grid, its action menu, the message grid and the tab strip as input.
#include "input/panel_actions.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_host.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

using Writes = std::vector<std::string>;

class Panels : public ::testing::Test {
protected:
    void addMessage(std::string kind, std::string name) {
        MessageRow row;
        row.kind = std::move(kind);
        row.name = std::move(name);
        messages.rows.push_back(std::move(row));
    }
    // A right-click on the row at this visible position, then a menu choice.
    void act(int visibleRow, ItemAction action) {
        actions.itemsMouseDown(2, visibleRow * 240 + 120);
        actions.itemAction(action);
    }
    void afterGaps() {
        clock.now += 10000;
        sender.poll();
    }

    FakeHost host;
    FakeClock clock;
    ClientState state;
    ItemGridModel items;
    MessageGridModel messages;
    TabStripModel tabs;
    TextBoxModel box;
    KeySender sender{clock, box, [this](std::string_view bytes) { host.write(bytes); }};
    PanelActions actions{{state, sender, items, messages, tabs, box, host}};
};

}  // namespace

// --- picking an item ---------------------------------------------------------------

TEST_F(Panels, PointerPicksTheItemUnderItFromTheTopRow) {
    items.toprow = 14;
    actions.itemsMouseDown(2, 2 * 240 + 10);
    EXPECT_EQ(state.itempick, 17);
    EXPECT_EQ(host.menusShown, 1);
    actions.itemsMouseDown(1, 239);  // left: picks, no menu
    EXPECT_EQ(state.itempick, 15);
    actions.itemsMouseDown(1, 240);
    EXPECT_EQ(state.itempick, 16);
    actions.itemsMouseDown(3, 0);  // the right button among others
    EXPECT_EQ(host.menusShown, 2);
    EXPECT_TRUE(host.writes.empty());
}

TEST_F(Panels, PointerBeyondItem255PicksNothingAndOpensNoMenu) {
    items.toprow = 90;
    actions.itemsMouseDown(2, 164 * 240);  // item 255, below the filled rows: still picked
    EXPECT_EQ(state.itempick, 255);
    actions.itemsMouseDown(2, 165 * 240);  // item 256
    EXPECT_EQ(state.itempick, 255);
    EXPECT_EQ(host.menusShown, 1);
}

// --- item actions -----------------------------------------------------------------

TEST_F(Panels, EachActionSendsItsLettersTheNumberAndEnter) {
    items.toprow = 14;
    act(2, ItemAction::Use);
    items.toprow = 0;
    act(0, ItemAction::Spell);
    act(11, ItemAction::Give);
    act(4, ItemAction::Bank);  // lower-case letters, mask 0
    items.toprow = 90;
    act(110, ItemAction::Spell);
    EXPECT_EQ(host.writes, (Writes{" 85, 1 49, 0 55, 0", " 13, 0", " 80, 1 49, 0", " 13, 0", " 71, 1 49, 0 50, 0",
                                   " 13, 0", " 66, 0 73, 0 53, 0", " 13, 0", " 80, 1 50, 0 48, 0 49, 0", " 13, 0"}));
}

TEST_F(Panels, ActionBeforeAnyPickSendsItemZero) {
    actions.itemAction(ItemAction::Use);
    EXPECT_EQ(host.writes, (Writes{" 85, 1 48, 0", " 13, 0"}));
}

TEST_F(Panels, ExchangeInTwoStepsWhetherOrNotThePromptIsOpen) {
    for (const bool prompt : {false, true}) {
        host.writes.clear();
        box.visible = prompt;
        act(2, ItemAction::Xchange);
        EXPECT_EQ(state.xchgitem, 3);
        EXPECT_TRUE(host.writes.empty());
        actions.itemsSelected(6);
        afterGaps();
        afterGaps();
        EXPECT_EQ(host.writes, (Writes{" 88, 1 51, 0 44, 0", " 55, 0", " 13, 0"}));
        EXPECT_EQ(state.xchgitem, 0);
        EXPECT_EQ(items.row, 0);
    }
}

// --- selecting a row ---------------------------------------------------------------

TEST_F(Panels, SelectionAnswersOnlyAnOpenPrompt) {
    actions.itemsSelected(4);
    EXPECT_TRUE(host.writes.empty());
    EXPECT_EQ(items.row, 4);  // left as the player set it
    box.visible = true;
    actions.itemsSelected(11);
    EXPECT_EQ(items.row, 11);  // the handler is still waiting after the number
    afterGaps();
    EXPECT_EQ(host.writes, (Writes{" 49, 0 50, 0", " 13, 0"}));
    EXPECT_EQ(items.row, 0);  // reset by the program after Enter: sends nothing
}

TEST_F(Panels, SelectionOfARowTheGridDoesNotHaveIsIgnored) {
    box.visible = true;
    state.xchgitem = 2;
    actions.itemsSelected(-1);
    actions.itemsSelected(ItemGridModel::kRows);
    EXPECT_TRUE(host.writes.empty());
    EXPECT_EQ(state.xchgitem, 2);
}

// --- paging by scrolling ------------------------------------------------------------

TEST_F(Panels, ScrollingByTwoOrMoreRowsRequestsThePage) {
    actions.itemsScrolled(14);
    actions.itemsScrolled(15);  // one row: nothing
    EXPECT_EQ(state.lasttoprow, 15);
    actions.itemsScrolled(13);
    actions.itemsScrolled(0);
    EXPECT_EQ(host.writes, (Writes{" 118, 0", " 50, 0", " 118, 0", " 49, 0", " 118, 0", " 49, 0"}));
}

TEST_F(Panels, NoRequestWhileThePromptIsOpenOrTheFeedScrolls) {
    box.visible = true;
    actions.itemsScrolled(28);
    EXPECT_EQ(state.lasttoprow, 28);
    box.visible = false;
    state.scrolling = true;
    actions.itemsScrolled(56);
    EXPECT_EQ(state.lasttoprow, 56);
    EXPECT_TRUE(host.writes.empty());
    state.scrolling = false;
    actions.itemsScrolled(84);
    EXPECT_EQ(host.writes, (Writes{" 118, 0", " 55, 0"}));
}

TEST_F(Panels, TopRowBeyondAByteIsNotRecorded) {
    state.lasttoprow = 40;
    actions.itemsScrolled(300);
    actions.itemsScrolled(-3);
    EXPECT_EQ(state.lasttoprow, 40);
    EXPECT_TRUE(host.writes.empty());
}

// --- message grid -----------------------------------------------------------------

TEST_F(Panels, AnswerSendsMpTheNameAsItStandsAndEnter) {
    addMessage("P", "joe" + std::string(18, ' '));
    actions.messageSelected(0);
    std::string blanks;
    for (int i = 0; i < 10; ++i) blanks += " 32, 0";
    EXPECT_EQ(host.writes, (Writes{" 77, 1 80, 0", " 74, 0 79, 0 69, 0" + blanks.substr(0, 7 * 6), blanks,
                                   " 32, 0", " 13, 0"}));
}

TEST_F(Panels, OnlyKindsPRAndGAreAnswered) {
    addMessage("R", "al");
    addMessage("G", "");
    for (const char* kind : {"I", "", "p", "PR", " P"}) addMessage(kind, "x");
    for (int r = 0; r < 7; ++r) actions.messageSelected(r);
    EXPECT_EQ(host.writes, (Writes{" 77, 1 80, 0", " 65, 0 76, 0", " 13, 0", " 77, 1 80, 0", " 13, 0"}));
}

TEST_F(Panels, MessageRowsAreAddressedFromTheFirstRowEverAdded) {
    messages.firstRow = 1000;  // older rows dropped
    addMessage("I", "a");
    addMessage("P", "b");
    for (int64_t gone : {int64_t{1}, int64_t{1002}, int64_t{-5}}) actions.messageSelected(gone);
    EXPECT_TRUE(host.writes.empty());
    actions.messageSelected(1001);
    EXPECT_EQ(host.writes, (Writes{" 77, 1 80, 0", " 66, 0", " 13, 0"}));
}

// --- tab strip --------------------------------------------------------------------

TEST_F(Panels, TabsAskForTheirScreensTheFirstShowsTheGrid) {
    for (int t = 2; t <= 6; ++t) actions.tabClicked(t);
    EXPECT_EQ(host.writes, (Writes{" 118, 0", " 83, 0", " 118, 0", " 83, 1", " 118, 0", " 67, 0", " 118, 0",
                                   " 65, 0", " 118, 0", " 69, 0"}));
    host.writes.clear();
    items.visible = false;
    actions.tabClicked(1);
    actions.tabClicked(0);
    actions.tabClicked(7);
    EXPECT_TRUE(items.visible);
    EXPECT_EQ(tabs.selected, 1);
    EXPECT_TRUE(host.writes.empty());
}

TEST_F(Panels, RightClickOnTheTabsSavesThenRestoresTheGridHeight) {
    items.geometry.height = 225;
    actions.tabsMouseDown(1);  // left: nothing
    EXPECT_EQ(state.itemsheight, 0);
    actions.tabsMouseDown(2);
    EXPECT_EQ(state.itemsheight, 225);
    EXPECT_EQ(items.geometry.height, 225);
    items.geometry.height = 600;  // a resize in between
    actions.tabsMouseDown(2);
    EXPECT_EQ(items.geometry.height, 225);
    EXPECT_EQ(state.itemsheight, 0);
}

TEST_F(Panels, WideGridHeightIsNotSaved) {
    items.geometry.height = 512;
    actions.tabsMouseDown(2);
    EXPECT_EQ(state.itemsheight, 0);
    EXPECT_EQ(items.geometry.height, 512);
    items.geometry.height = 255;
    actions.tabsMouseDown(2);
    EXPECT_EQ(state.itemsheight, 255);
}
