// The panels as input at their edges: picks, rows and tabs out of range. The
// ordinary cases are checked end to end through the replay driver.
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
    FakeHost host;
    FakeClock clock;
    ItemGridModel items;
    MessageGridModel messages;
    TabStripModel tabs;
    TextBoxModel box;
    ListPaging paging;
    KeySender sender{clock, box, [this](std::string_view bytes) { host.write(bytes); }};
    PanelActions actions{{sender, items, messages, tabs, box, paging, [this] { host.showItemMenu(); }}};
};

}  // namespace

TEST_F(Panels, PointerBeyondItem255PicksNothingAndOpensNoMenu) {
    items.toprow = 90;
    actions.itemsMouseDown(2, 164 * 240);  // item 255, below the filled rows: still picked
    EXPECT_EQ(actions.itemPick(), 255);
    actions.itemsMouseDown(2, 165 * 240);  // item 256
    EXPECT_EQ(actions.itemPick(), 255);
    EXPECT_EQ(host.menusShown, 1);
}

TEST_F(Panels, ActionBeforeAnyPickSendsItemZero) {
    actions.itemAction(ItemAction::Use);
    EXPECT_EQ(host.writes, (Writes{" 85, 1 48, 0", " 13, 0"}));
}

TEST_F(Panels, SelectionOfARowTheGridDoesNotHaveIsIgnored) {
    box.visible = true;
    actions.itemsMouseDown(1, 240);  // item 2
    actions.itemAction(ItemAction::Exchange);
    actions.itemsSelected(-1);
    actions.itemsSelected(ItemGridModel::kRows);
    EXPECT_TRUE(host.writes.empty());
    EXPECT_EQ(actions.exchangeItem(), 2);
}

TEST_F(Panels, NoRequestWhileThePromptIsOpenOrTheFeedScrolls) {
    box.visible = true;
    actions.itemsScrolled(28);
    EXPECT_EQ(actions.lastTopRow(), 28);
    box.visible = false;
    paging.following = true;
    actions.itemsScrolled(56);
    EXPECT_EQ(actions.lastTopRow(), 56);
    EXPECT_TRUE(host.writes.empty());
    paging.following = false;
    actions.itemsScrolled(84);
    EXPECT_EQ(host.writes, (Writes{" 118, 0", " 55, 0"}));
}

TEST_F(Panels, TopRowBeyondAByteIsNotRecorded) {
    box.visible = true;  // the prompt is open: no request
    actions.itemsScrolled(40);
    box.visible = false;
    actions.itemsScrolled(300);
    actions.itemsScrolled(-3);
    EXPECT_EQ(actions.lastTopRow(), 40);
    EXPECT_TRUE(host.writes.empty());
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

TEST_F(Panels, TabsOutsideTheStripAskForNothing) {
    items.visible = false;
    actions.tabClicked(1);
    actions.tabClicked(0);
    actions.tabClicked(7);
    EXPECT_TRUE(items.visible);
    EXPECT_EQ(tabs.selected, 1);
    EXPECT_TRUE(host.writes.empty());
}
