#pragma once
// Headless models of the side panels. The widgets only show these and feed
// the player's actions back to the core; every rule lives in the core.

#include <QRgb>
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "canvas/colors.h"

namespace quorlak {

// Position and size of a child control, in display units.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A revision counter lets a view repaint only what changed.
struct Revisioned {
    uint64_t revision = 0;
    void touch() { ++revision; }
};

constexpr const char* kBullet = "\xe2\x80\xa2";  // the row mark drawn by a small box (UTF-8)

struct ItemRow {
    std::string mark;  // "", "B", or kBullet
    std::string text;  // Windows-1252 bytes
    bool bold = false;
    bool italic = false;
};

// The item and status list: 98 fixed rows (list numbers 1 to 98).
struct ItemGridModel : Revisioned {
    static constexpr int kRows = 98;
    static constexpr int kRowHeightTwips = 240;
    bool visible = true;
    Geometry geometry{184, 200, 329, 225};
    std::string tag;  // the grid's height at load, as text
    int toprow = 0;
    int row = 0;
    int col = 0;
    QRgb foreColor = kCyan;
    std::array<ItemRow, kRows> rows{};
};

struct MessageRow {
    std::string line;           // column 0: the whole message as read
    std::string kind;           // column 1
    std::string name;           // column 2
    std::string text;           // column 3
    std::optional<QRgb> color;  // message cell colour, if set
};

// The message lines. Rows are only appended; the oldest are dropped beyond
// kMaxRows or kMaxBytes of text so that a long session stays within a fixed
// memory bound.
struct MessageGridModel : Revisioned {
    static constexpr size_t kMaxRows = 100000;
    static constexpr size_t kMaxBytes = size_t{64} << 20;
    size_t bytes = 0;  // text held by the kept rows
    bool visible = true;
    Geometry geometry{0, 456, 513, 57};
    // Row numbers count from the first row ever added; `firstRow` is the
    // number of the oldest row still kept.
    std::deque<MessageRow> rows;
    int64_t firstRow = 0;
    int64_t toprow = 0;
    int64_t row = 0;
    int col = 0;
    int64_t rowCount() const { return firstRow + static_cast<int64_t>(rows.size()); }
};

struct TabStripModel : Revisioned {
    static constexpr int kTabs = 6;
    // The caption of tab 1..6; empty for any other number.
    static const char* caption(int index) {
        constexpr const char* kCaptions[kTabs] = {"items", "status", "Spells", "company", "area", "everyone"};
        return index >= 1 && index <= kTabs ? kCaptions[index - 1] : "";
    }
    bool visible = true;
    Geometry geometry{184, 424, 337, 25};
    bool front = false;  // lies above the item grid (it starts beneath it)
    int selected = 1;    // 1..6
};

// The encounter log window's text, newest line last.
struct LogModel : Revisioned {
    static constexpr size_t kMaxBytes = size_t{8} << 20;  // oldest lines dropped beyond this
    bool exists = false;
    bool visible = false;
    std::string text;  // lines each ending in "\r\n"
    // Bumped whenever text is replaced rather than appended to, so a view
    // can append the new tail otherwise.
    uint64_t resets = 0;
};

// What the screen's text puts in the window's caption and the menu bar.
struct CaptionsModel : Revisioned {
    std::string windowCaption = "Duvur Quorlak";
    std::string experience;  // the experience gained since the baseline; empty until read
};

}  // namespace quorlak
