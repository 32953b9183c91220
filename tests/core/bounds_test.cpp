// Panels fed for a very long session stay within their fixed bounds.
#include <gtest/gtest.h>

#include <string>

#include "panels/encounter_log.h"
#include "panels/message_feed.h"

using namespace quorlak;

TEST(Bounds, MessageGridDropsTheOldestRowsBeyondItsBytes) {
    MessageGridModel grid;
    const auto append = [&](std::string text) {
        MessageRow row;
        row.text = std::move(text);
        appendMessageRow(grid, std::move(row));
    };
    const size_t rowBytes = MessageGridModel::kMaxBytes / 4 + 1;
    for (int i = 0; i < 6; ++i) append(std::string(rowBytes, char('a' + i)));
    EXPECT_EQ(grid.rows.size(), 3u);
    EXPECT_LE(grid.bytes, MessageGridModel::kMaxBytes);
    EXPECT_EQ(grid.rows.front().text[0], 'd');
    EXPECT_EQ(grid.rowCount(), 6);
    // too long on its own, and still shown
    append(std::string(MessageGridModel::kMaxBytes + 1, 'z'));
    ASSERT_EQ(grid.rows.size(), 1u);
    EXPECT_EQ(grid.rows.back().text[0], 'z');
    EXPECT_EQ(grid.row, 6);
}

TEST(Bounds, EncounterLogDropsWholeOldestLines) {
    LogModel log;
    const std::string line(998, 'x');  // 1000 bytes with the line end
    for (size_t i = 0; i < LogModel::kMaxBytes / 1000 + 10; ++i) logAdd(log, line);
    logAdd(log, "newest");
    EXPECT_LE(log.text.size(), LogModel::kMaxBytes);
    EXPECT_GT(log.resets, 0u);
    EXPECT_EQ(log.text.substr(0, line.size() + 2), line + "\r\n");
    EXPECT_TRUE(log.text.ends_with("newest\r\n"));
}
