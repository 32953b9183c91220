#pragma once
// The arrowhead that marks an input position, drawn into the picture and
// never remembered: it goes only when the server draws over it.

#include "canvas/drawing_target.h"

namespace quorlak {

// Draws the marker at (x, y), tip at (x + 6, y - 5), in the fore colour read
// for each part, and leaves the current point at the entry box's corner.
void drawArrowMarker(DrawingTarget& target, int x, int y);

}  // namespace quorlak
