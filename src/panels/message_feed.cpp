#include "panels/message_feed.h"

#include <algorithm>

#include "panels/screen_regions.h"

namespace quorlak {

namespace {

size_t textBytes(const MessageRow& row) {
    return row.line.size() + row.kind.size() + row.name.size() + row.text.size();
}

}  // namespace

void appendMessageRow(MessageGridModel& grid, MessageRow row) {
    grid.bytes += textBytes(row);
    grid.rows.push_back(std::move(row));
    // The newest row always stays, however long.
    while (grid.rows.size() > 1 &&
           (grid.rows.size() > MessageGridModel::kMaxRows || grid.bytes > MessageGridModel::kMaxBytes)) {
        grid.bytes -= std::min(grid.bytes, textBytes(grid.rows.front()));
        grid.rows.pop_front();
        ++grid.firstRow;
    }
    grid.row = grid.rowCount() - 1;
    grid.toprow = std::max<int64_t>(grid.row - 2, 0);
    grid.col = 3;
    grid.touch();
}

bool repeatsRecentRow(const MessageGridModel& grid, std::string_view line) {
    const size_t checked = std::min<size_t>(grid.rows.size(), 4);
    return std::any_of(grid.rows.rbegin(), grid.rows.rbegin() + checked,
                       [&](const MessageRow& row) { return row.line == line; });
}

MessageRow splitMessage(const std::string& line, QRgb listColor) {
    constexpr size_t kNameStart = 2;  // characters 3 to 23 hold the sender
    constexpr size_t kNameWidth = 21;
    constexpr size_t kTreasureIndent = 23;

    MessageRow row;
    row.line = line;
    if (!line.empty() && line[0] == '\'') {
        row.text = line;
        row.color = kGreen;
    } else if (const size_t first = line.find_first_not_of(' ');
               line.size() >= kTreasureIndent && first >= kTreasureIndent) {
        row.kind = "I";
        row.name = "Treasure";
        row.text = first == std::string::npos ? std::string() : line.substr(first);
        row.color = listColor;
    } else if (line.size() >= 2 && line[0] != ' ' && line[1] == ' ') {
        row.kind = line.substr(0, 1);
        row.name = line.substr(kNameStart, kNameWidth);
        row.text = std::string(fromChar(line, kNameStart + kNameWidth + 1));
        if (row.kind == "G" || row.kind == "R") row.color = listColor;
        else if (row.kind == "P") row.color = kRed;
    } else {
        row.text = line;
        row.color = kMagenta;
    }
    return row;
}

bool MessageFeed::readLine(std::string& text) {
    if (!text.empty()) text.erase(0, 1);
    // A line still on the screen is redrawn; keep it off the grid then.
    if (repeatsRecentRow(messages_, text)) return true;

    appendMessageRow(messages_, splitMessage(text, items_.foreColor));
    messages_.visible = true;
    return false;
}

void MessageFeed::add(const std::string& text, QRgb color) {
    MessageRow row;
    row.text = text;
    row.color = color;
    appendMessageRow(messages_, std::move(row));
}

}  // namespace quorlak
