#include <gtest/gtest.h>

#include <string>

#include "interpreter_fixture.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

namespace {

constexpr float kListX = 200;
constexpr float kListY = 300;

}  // namespace

TEST_F(InterpreterTest, ListLineFillsItsRowAndIsNotPrinted) {
    items.visible = false;
    tabs.visible = false;
    EXPECT_FALSE(feed(kListX, kListY, " 1.Sword"));
    EXPECT_EQ(items.rows[0].text, " 1.Sword");
    EXPECT_EQ(state.itemnum, 1);
    EXPECT_EQ(items.row, 0);
    EXPECT_EQ(items.col, 1);
    EXPECT_TRUE(items.visible);
    EXPECT_TRUE(tabs.visible);
    EXPECT_EQ(canvas.foreColor, kCyan);

    EXPECT_FALSE(feed(170, 438, "12.Shield"));  // the list column's edges
    EXPECT_EQ(items.rows[11].text, "12.Shield");
    EXPECT_FALSE(feed(500, 193, "98.Last"));
    EXPECT_EQ(items.rows[97].text, "98.Last");
}

TEST_F(InterpreterTest, LinesWithoutFullStopInThirdPlaceArePrinted) {
    canvas.foreColor = kRed;
    for (const char* text : {"1. Axe", "1.", "1", "", "Your items"}) {
        EXPECT_TRUE(feed(kListX, kListY, text)) << text;
        EXPECT_EQ(canvas.foreColor, kCyan) << text;
    }
    for (const ItemRow& row : items.rows) EXPECT_EQ(row.text, "");
}

TEST_F(InterpreterTest, PageStartMovesGridWithoutPageRequest) {
    EXPECT_FALSE(feed(kListX, kListY, "15.Rope"));
    ASSERT_EQ(topRowMoves.size(), 1u);
    EXPECT_EQ(topRowMoves[0], std::make_pair(14, true));
    EXPECT_FALSE(state.scrolling);

    feed(kListX, kListY, "16.Torch");  // not a page start
    feed(kListX, kListY, " 2.Torch");
    EXPECT_EQ(topRowMoves.size(), 1u);
    feed(kListX, kListY, " 1.Torch");
    EXPECT_EQ(topRowMoves.size(), 2u);
    EXPECT_EQ(topRowMoves[1].first, 0);
}

TEST_F(InterpreterTest, BulkRequestCountsDownAndMovesOnceAtTheEnd) {
    state.itemsexpected = 5;
    feed(kListX, kListY, "15.Rope");
    EXPECT_EQ(state.itemsexpected, 4);
    EXPECT_TRUE(topRowMoves.empty());

    state.itemsexpected = 1;
    feed(kListX, kListY, "29.Lamp");
    EXPECT_EQ(state.itemsexpected, 0);
    ASSERT_EQ(topRowMoves.size(), 1u);
    EXPECT_EQ(topRowMoves[0].first, 28);

    feed(kListX, kListY, "Heading");  // only list lines count
    EXPECT_EQ(state.itemsexpected, 0);
}

TEST_F(InterpreterTest, BMarkFollowsTheLastListLine) {
    feed(kListX, kListY, "15.Rope");
    canvas.foreColor = kRed;
    EXPECT_FALSE(feed(kListX, kListY, "B"));
    EXPECT_EQ(items.rows[14].mark, "B");
    EXPECT_TRUE(items.rows[14].italic);
    EXPECT_EQ(items.row, 14);
    EXPECT_EQ(canvas.foreColor, kRed);

    feed(kListX, kListY, "Heading");
    EXPECT_EQ(state.itemnum, 0);
    EXPECT_TRUE(feed(kListX, kListY, "B"));
    for (int row = 0; row < ItemGridModel::kRows; ++row) {
        if (row != 14) {
            EXPECT_EQ(items.rows[row].mark, "") << row;
        }
    }
}

TEST_F(InterpreterTest, RewritingRowClearsMarksAndAttributes) {
    items.rows[3] = {"B", "old", true, true};
    items.rows[4] = {kBullet, "old", true, false};
    feed(kListX, kListY, " 4.New");
    feed(kListX, kListY, " 5.New");
    for (int row : {3, 4}) {
        EXPECT_EQ(items.rows[row].mark, "");
        EXPECT_FALSE(items.rows[row].bold);
        EXPECT_FALSE(items.rows[row].italic);
    }
}

TEST_F(InterpreterTest, HeadingHidesGridOnlyOverTheDisplay) {
    items.geometry.left = 499;
    EXPECT_TRUE(feed(kListX, kListY, "Spells"));
    EXPECT_FALSE(items.visible);

    items.visible = true;
    items.geometry.left = 500;
    feed(kListX, kListY, "Spells");
    EXPECT_TRUE(items.visible);
}

TEST_F(InterpreterTest, LineNumberedBeyondTheGridIsAHeading) {
    state.itemsexpected = 3;
    EXPECT_TRUE(feed(kListX, kListY, "99.Ring"));
    EXPECT_EQ(state.itemnum, 0);
    EXPECT_EQ(state.itemsexpected, 3);
    EXPECT_FALSE(items.visible);
    EXPECT_TRUE(topRowMoves.empty());
    EXPECT_TRUE(feed(kListX, kListY, "B"));  // marks nothing
    for (const ItemRow& row : items.rows) EXPECT_EQ(row.mark, "");
}
