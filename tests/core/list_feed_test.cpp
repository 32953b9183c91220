#include <gtest/gtest.h>

#include <string>

#include "interpreter_fixture.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

namespace {

constexpr float kListX = 200;
constexpr float kListY = 300;

}  // namespace

TEST_F(InterpreterTest, LinesWithoutFullStopInThirdPlaceArePrinted) {
    canvas.foreColor = kRed;
    for (const char* text : {"1. Axe", "1.", "1", "", "Your items"}) {
        EXPECT_TRUE(feed(kListX, kListY, text)) << text;
        EXPECT_EQ(canvas.foreColor, kCyan) << text;
    }
    for (const ItemRow& row : items.rows) EXPECT_EQ(row.text, "");
}

TEST_F(InterpreterTest, LineNumberedBeyondTheGridIsAHeading) {
    state.itemsexpected = 3;
    EXPECT_TRUE(feed(kListX, kListY, "99.Ring"));
    EXPECT_EQ(state.itemnum, 99);
    EXPECT_EQ(state.itemsexpected, 3);
    EXPECT_FALSE(items.visible);
    EXPECT_TRUE(topRowMoves.empty());
    EXPECT_FALSE(feed(kListX, kListY, "B"));  // a mark for line 99: no row to mark
    for (const ItemRow& row : items.rows) EXPECT_EQ(row.mark, "");
}
