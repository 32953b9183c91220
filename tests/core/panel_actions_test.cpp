// The panels as input at their edges: picks, rows and tabs out of range. The
// ordinary cases are checked end to end through the replay driver.
#include "input/panel_actions.h"

#include <gtest/gtest.h>

#include <vector>

#include "canvas/canvas.h"

#include "fake_host.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

using Writes = std::vector<std::string>;

class Panels : public ::testing::Test {
protected:
    // A line of the message band with this kind and sender, as the server draws it.
    void addMessage(const std::string& kind, const std::string& name) { readLine(0, 500, "'" + kind + " " + name); }
    void readLine(float x, float y, std::string line) {
        canvas.currentX = x;
        canvas.currentY = y;
        panels.reader().readTextLine(line);
    }
    const ItemGridModel& items() const { return panels.items(); }
    FakeHost host;
    FakeClock clock;
    Canvas canvas;
    bool following = false;  // the list feed moves the grid to a new page
    SidePanels panels{canvas,
                      [this](int toprow) {
                          following = panels.reader().paging().following;
                          actions.itemsScrolled(toprow);
                      },
                      [] {}};
    TextBoxModel box;
    KeySender sender{clock, box, [this](std::string_view bytes) { host.write(bytes); }};
    PanelActions actions{{sender, panels, box, [this] { host.showItemMenu(); }}};
};

}  // namespace

TEST_F(Panels, PointerBeyondItem255PicksNothingAndOpensNoMenu) {
    panels.scrollItemsTo(90);
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
    readLine(200, 300, "57.Ring");  // the list feed follows to the page of row 56
    EXPECT_TRUE(following);
    EXPECT_EQ(actions.lastTopRow(), 56);
    EXPECT_TRUE(host.writes.empty());
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
    for (size_t n = 0; n < MessageGridModel::kMaxRows + 1000; ++n) addMessage("I", std::to_string(n));
    addMessage("I", "a");
    addMessage("P", "b");
    ASSERT_EQ(panels.messages().firstRow, 1002);  // older rows dropped
    for (int64_t gone : {int64_t{1}, int64_t{101002}, int64_t{-5}}) actions.messageSelected(gone);
    EXPECT_TRUE(host.writes.empty());
    actions.messageSelected(101001);
    EXPECT_EQ(host.writes, (Writes{" 77, 1 80, 0", " 66, 0", " 13, 0"}));
}

TEST_F(Panels, TabsOutsideTheStripAskForNothing) {
    readLine(200, 300, "Heading");  // a heading uncovers the server's text
    ASSERT_FALSE(items().visible);
    actions.tabClicked(0);
    actions.tabClicked(7);
    EXPECT_FALSE(items().visible);
    actions.tabClicked(1);
    EXPECT_TRUE(items().visible);
    EXPECT_EQ(panels.tabs().selected, 1);
    EXPECT_TRUE(host.writes.empty());
}
