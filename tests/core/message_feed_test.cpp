#include "panels/message_feed.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "interpreter_fixture.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

namespace {

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

// Lines too short for their fields, and the colour a room line takes from the list grid.
TEST(MessageSplit, ShortLinesAndColours) {
    struct Case {
        std::string line, kind, name, text;
        std::optional<QRgb> color;
    };
    const Case cases[] = {
        {"G Bob", "G", "Bob", "", kCyan},
        {talk('R', "x", "y"), "R", "x" + std::string(20, ' '), "y", 0xff010203},
        {std::string(23, ' '), "I", "Treasure", "", 0xff010203},
        {"G", "", "", "G", kMagenta},
        {"", "", "", "", kMagenta},
    };
    for (const Case& c : cases) {
        const MessageRow row = splitMessage(c.line, c.kind == "G" ? kCyan : 0xff010203);
        EXPECT_EQ(row.kind, c.kind) << c.line;
        EXPECT_EQ(row.name, c.name) << c.line;
        EXPECT_EQ(row.text, c.text) << c.line;
        EXPECT_EQ(row.color, c.color) << c.line;
    }
}
