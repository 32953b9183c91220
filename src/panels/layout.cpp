#include "panels/layout.h"

#include <algorithm>

#include "base/val_rule.h"
#include "wire/screen_layout.h"

namespace quorlak {
namespace {

constexpr int kWideFrom = 613;  // more than 100 units free beside the display
constexpr int kWideItemsWidth = 222;
constexpr int kNarrowItemsWidth = 330;
constexpr int kNarrowItemsTop = 200;

}  // namespace

void applyLayout(int w, int h, ItemGridModel& items, MessageGridModel& messages) {
    // Too short a client area: panels stay where they are rather than get a negative height.
    if (h < screen::kDisplaySize) return;

    messages.geometry.height = h - messages.geometry.top;
    messages.touch();

    Geometry& g = items.geometry;
    const bool wide = w >= kWideFrom;
    g.top = wide ? 0 : kNarrowItemsTop;
    if (wide) {
        g.height = h - g.top;
    } else if (const auto saved = toInt16(valNumber(items.tag)); saved && *saved >= 0) {
        // The tag holds the grid's height at load; without a usable one the height stays.
        g.height = *saved;
    }
    g.width = wide ? kWideItemsWidth : kNarrowItemsWidth;
    g.left = static_cast<int>(std::max<int64_t>(int64_t{w} - g.width, INT32_MIN));
    items.touch();
}

void zorderOnFormMove(uint8_t savedGridHeight, TabStripModel& tabs) {
    if (savedGridHeight == 0 || tabs.front) return;
    tabs.front = true;
    tabs.touch();
}

void zorderOnItemsMove(int yTwips, uint8_t savedGridHeight, const ItemGridModel& items, TabStripModel& tabs) {
    const int64_t py =
        std::clamp<int64_t>(int64_t{items.geometry.top} + yTwips / screen::kTwipsPerPixel, INT16_MIN, INT16_MAX);
    const Geometry& strip = tabs.geometry;
    bool front = tabs.front;
    if (strip.top < py && py < strip.top + strip.height) front = true;
    else if (savedGridHeight != 0) front = false;
    if (front == tabs.front) return;
    tabs.front = front;
    tabs.touch();
}

}  // namespace quorlak
