#include "panels/message_feed.h"

#include <gtest/gtest.h>

#include <string>

#include "interpreter_fixture.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

namespace {

constexpr float kMessageY = 500;

// A talk line: kind letter, blank, the sender padded to 21 characters, the words.
std::string talk(char kind, const std::string& name, const std::string& words) {
    std::string line = std::string(1, kind) + " " + name;
    line.resize(23, ' ');
    return line + words;
}

MessageRow withLine(std::string line) {
    MessageRow row;
    row.line = std::move(line);
    return row;
}

MessageRow withText(std::string text) {
    MessageRow row;
    row.text = std::move(text);
    return row;
}

}  // namespace

TEST_F(InterpreterTest, MessageLineBecomesRowAndIsNotPrinted) {
    std::string text = ">" + talk('G', "Rolf", "hello all");
    canvas.foreColor = kYellow;
    EXPECT_FALSE(feed(10, kMessageY, text));
    EXPECT_EQ(text, talk('G', "Rolf", "hello all"));  // first character removed
    ASSERT_EQ(messages.rows.size(), 1u);
    EXPECT_EQ(messages.rows[0].line, text);
    EXPECT_TRUE(messages.visible);
    EXPECT_EQ(canvas.foreColor, kYellow);  // the message band sets no colour
}

TEST_F(InterpreterTest, RepeatedMessageIsPrintedInsteadOfAdded) {
    EXPECT_FALSE(feed(0, kMessageY, "xsame"));
    std::string again = "ysame";
    EXPECT_TRUE(feed(0, kMessageY, again));
    EXPECT_EQ(again, "same");
    EXPECT_EQ(messages.rowCount(), 1);
}

TEST_F(InterpreterTest, RepeatCheckLooksFourRowsBack) {
    for (const char* line : {"xa", "xb", "xc", "xd"}) feed(0, kMessageY, line);
    EXPECT_TRUE(feed(0, kMessageY, "xa"));  // four back: still seen
    feed(0, kMessageY, "xe");
    EXPECT_FALSE(feed(0, kMessageY, "xa"));  // five back: added again
    EXPECT_EQ(messages.rowCount(), 6);
}

TEST(MessageGrid, RepeatCheckWithFewRows) {
    MessageGridModel grid;
    EXPECT_FALSE(repeatsRecentRow(grid, ""));
    appendMessageRow(grid, withLine("one"));
    appendMessageRow(grid, withLine("two"));
    EXPECT_TRUE(repeatsRecentRow(grid, "one"));
    EXPECT_TRUE(repeatsRecentRow(grid, "two"));
    EXPECT_FALSE(repeatsRecentRow(grid, "One"));
    EXPECT_FALSE(repeatsRecentRow(grid, "two "));
}

TEST(MessageGrid, TopRowKeepsNewRowThird) {
    MessageGridModel grid;
    appendMessageRow(grid, {});
    EXPECT_EQ(grid.toprow, 0);
    EXPECT_EQ(grid.row, 0);
    for (int i = 0; i < 4; ++i) appendMessageRow(grid, {});
    EXPECT_EQ(grid.toprow, 2);
    EXPECT_EQ(grid.row, 4);
    EXPECT_EQ(grid.col, 3);
}

TEST(MessageGrid, OldestRowsDropBeyondBound) {
    MessageGridModel grid;
    const int64_t total = MessageGridModel::kMaxRows + 3;
    for (int64_t i = 0; i < total; ++i) appendMessageRow(grid, withLine(std::to_string(i)));
    EXPECT_EQ(grid.rows.size(), MessageGridModel::kMaxRows);
    EXPECT_EQ(grid.firstRow, 3);
    EXPECT_EQ(grid.rowCount(), total);
    EXPECT_EQ(grid.rows.front().line, "3");
    EXPECT_EQ(grid.row, total - 1);
    EXPECT_EQ(grid.toprow, total - 3);
    EXPECT_TRUE(repeatsRecentRow(grid, std::to_string(total - 4)));
    EXPECT_FALSE(repeatsRecentRow(grid, std::to_string(total - 5)));
}

TEST(MessageGrid, LongRowsDropBeyondByteBound) {
    MessageGridModel grid;
    const size_t rowBytes = MessageGridModel::kMaxBytes / 4 + 1;
    for (int i = 0; i < 6; ++i) appendMessageRow(grid, withText(std::string(rowBytes, char('a' + i))));
    EXPECT_EQ(grid.rows.size(), 3u);
    EXPECT_LE(grid.bytes, MessageGridModel::kMaxBytes);
    EXPECT_EQ(grid.rows.front().text[0], 'd');
    EXPECT_EQ(grid.rowCount(), 6);

    appendMessageRow(grid, withText(std::string(MessageGridModel::kMaxBytes + 1, 'z')));  // too long, still shown
    ASSERT_EQ(grid.rows.size(), 1u);
    EXPECT_EQ(grid.rows.back().text[0], 'z');
    EXPECT_EQ(grid.row, 6);
}

TEST(MessageSplit, TalkLinesByKind) {
    const std::string name = "Rolf the Red         ";  // 21 characters
    MessageRow row = splitMessage(talk('G', "Rolf the Red", "meet at the gate"), kCyan);
    EXPECT_EQ(row.kind, "G");
    EXPECT_EQ(row.name, name);
    EXPECT_EQ(row.text, "meet at the gate");
    EXPECT_EQ(row.color, kCyan);

    EXPECT_EQ(splitMessage(talk('R', "x", "y"), 0xff010203).color, 0xff010203u);  // the list grid's colour
    EXPECT_EQ(splitMessage(talk('P', "x", "y"), kCyan).color, kRed);
    row = splitMessage(talk('X', "x", "y"), kCyan);
    EXPECT_EQ(row.kind, "X");
    EXPECT_FALSE(row.color.has_value());

    row = splitMessage("G Bob", kCyan);  // shorter than the name field
    EXPECT_EQ(row.name, "Bob");
    EXPECT_EQ(row.text, "");
}

TEST(MessageSplit, ApostropheTreasureAndOtherLines) {
    MessageRow row = splitMessage("'G hello", kCyan);
    EXPECT_EQ(row.text, "'G hello");
    EXPECT_EQ(row.kind, "");
    EXPECT_EQ(row.color, kGreen);

    row = splitMessage(std::string(23, ' ') + "a golden ring", kCyan);
    EXPECT_EQ(row.kind, "I");
    EXPECT_EQ(row.name, "Treasure");
    EXPECT_EQ(row.text, "a golden ring");
    EXPECT_EQ(row.color, kCyan);

    row = splitMessage(std::string(23, ' '), kCyan);
    EXPECT_EQ(row.kind, "I");
    EXPECT_EQ(row.text, "");

    for (const std::string& line : {std::string(10, ' '), std::string("Welcome"), std::string(""), std::string("G")}) {
        row = splitMessage(line, kCyan);
        EXPECT_EQ(row.kind, "") << line;
        EXPECT_EQ(row.text, line);
        EXPECT_EQ(row.color, kMagenta) << line;
    }
}

TEST_F(InterpreterTest, MessaddFillsOnlyTheMessageCell) {
    messages.visible = false;
    interpreter.messadd("alarm", kRed);
    ASSERT_EQ(messages.rows.size(), 1u);
    const MessageRow& row = messages.rows[0];
    EXPECT_EQ(row.line, "");
    EXPECT_EQ(row.kind, "");
    EXPECT_EQ(row.text, "alarm");
    EXPECT_EQ(row.color, kRed);
    EXPECT_FALSE(messages.visible);

    // An empty message line matches the empty line of that row, so it is printed.
    EXPECT_TRUE(feed(0, kMessageY, "x"));
    EXPECT_EQ(messages.rowCount(), 1);
}
