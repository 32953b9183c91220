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
    interpreter.expectListLines(3);
    EXPECT_TRUE(feed(kListX, kListY, "99.Ring"));
    EXPECT_EQ(interpreter.paging().lastNumber, 99);
    EXPECT_EQ(interpreter.paging().linesExpected, 3);
    EXPECT_FALSE(items.visible);
    EXPECT_TRUE(topRowMoves.empty());
    EXPECT_FALSE(feed(kListX, kListY, "B"));  // a mark for line 99: no row to mark
    for (const ItemRow& row : items.rows) EXPECT_EQ(row.mark, "");
}

// A small box marks the row of the list line read last, if it has one.
TEST_F(InterpreterTest, ItemMarkNeedsARowThatExists) {
    for (const char* line : {"99.Ring", "-3 gone", "0 none"}) {
        feed(kListX, kListY, line);
        const uint64_t read = items.revision;
        interpreter.itemRowMarked();
        EXPECT_EQ(items.revision, read) << line;
    }
    for (const ItemRow& row : items.rows) EXPECT_EQ(row.mark, "");
    feed(kListX, kListY, "98.Ring");
    interpreter.itemRowMarked();
    EXPECT_EQ(items.rows[97].mark, kBullet);
    EXPECT_TRUE(items.rows[97].bold);
    EXPECT_EQ(items.row, 97);
}
