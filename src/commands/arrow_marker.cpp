#include "commands/arrow_marker.h"

#include "wire/screen_layout.h"

namespace quorlak {

void drawArrowMarker(DrawingTarget& t, int x, int y) {
    t.point(x, y, t.foreColor);
    t.line(x + 1, y, x + 6, y - 5, t.foreColor);
    t.line(x + 6, y - 5, x + 1, y - 10, t.foreColor);
    t.point(x, y - 10, t.foreColor);
    t.point(x, y - 1, t.foreColor);
    t.point(x, y - 9, t.foreColor);
    t.line(x, y - 2, x + 3, y - 5, t.foreColor);
    t.line(x, y - 8, x + 3, y - 5, t.foreColor);
    t.point(x + screen::kFieldBoxOffsetX, y + screen::kFieldBoxOffsetY, t.backColor);
}

}  // namespace quorlak
