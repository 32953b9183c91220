#pragma once
// Where the side panels go when the client area changes size, and which of
// the tab strip and the item grid lies on top where they overlap.

#include <cstdint>

#include "panels/panel_models.h"

namespace quorlak {

// The layout rule for a client area of w x h units.
void applyLayout(int w, int h, ItemGridModel& items, MessageGridModel& messages);

// The pointer moved over the bare client area.
void zorderOnFormMove(uint8_t savedGridHeight, TabStripModel& tabs);
// The pointer moved over the item grid, yTwips below its top edge.
void zorderOnItemsMove(int yTwips, uint8_t savedGridHeight, const ItemGridModel& items, TabStripModel& tabs);

}  // namespace quorlak
