// The marker is drawn into the picture and never remembered: it goes only
// when the server draws over it.
//
// Silly values are clamped rather than wrapped: the box corner saturates at
// the 16-bit limits, and the box's length is taken as 0 to 4095 characters
// (a negative length reads as 0, which sets no limit), so its width of
// length x 8 + 2 units always fits 16 bits.

#include "display/arrow.h"

#include <algorithm>

#include "terminal/val_rule.h"

namespace quorlak {
namespace {

constexpr int kMaxBoxLen = 4095;
constexpr int kSpecialX = 92;  // an input position whose box goes to the left edge
constexpr int kSpecialY = 129;

}  // namespace

void ArrowMarker::arrow(bool vis) {
    if (!vis) {
        box_.visible = false;
        box_.focused = false;  // a hidden box cannot keep the keyboard
        box_.touch();
        state_.boxleft = 0;
        state_.boxtop = 0;
        return;
    }

    state_.boxleft = clampToInt16(double(canvas_.currentX) + 16);
    state_.boxtop = clampToInt16(double(canvas_.currentY) - 10);
    const int x = clampToInt16(canvas_.currentX);
    const int y = clampToInt16(canvas_.currentY);

    // The arrowhead, tip at (x + 6, y - 5); the fore colour is read for each part.
    canvas_.point(x, y, canvas_.foreColor);
    canvas_.line(x + 1, y, x + 6, y - 5, canvas_.foreColor);
    canvas_.line(x + 6, y - 5, x + 1, y - 10, canvas_.foreColor);
    canvas_.point(x, y - 10, canvas_.foreColor);
    canvas_.point(x, y - 1, canvas_.foreColor);
    canvas_.point(x, y - 9, canvas_.foreColor);
    canvas_.line(x, y - 2, x + 3, y - 5, canvas_.foreColor);
    canvas_.line(x, y - 8, x + 3, y - 5, canvas_.foreColor);
    // Leaves the current point at the box's corner.
    canvas_.point(x + 16, y - 10, canvas_.backColor);

    const int len = std::clamp<int>(state_.boxlen, 0, kMaxBoxLen);
    box_.geometry.left = state_.boxleft;
    box_.geometry.top = state_.boxtop;
    box_.geometry.width = len * 8 + 2;
    box_.maxlength = len;
    box_.text.clear();
    if (state_.textboxmode) {
        if (x == kSpecialX && y == kSpecialY) box_.geometry.left = 0;
        box_.visible = true;
        box_.focused = true;
    }
    box_.touch();
}

}  // namespace quorlak
