#pragma once
// Decoding of the points that drawing records carry in their argument.

#include <cstdint>
#include <string_view>

namespace quorlak {

// The point lists that record arguments decode into; they live for one
// received chunk, so a record that gives fewer numbers inherits the rest.
struct Points {
    int16_t x[2] = {0, 0};
    int16_t y[2] = {0, 0};
};

// Fills `pts` from forms like "(x0,y0)-(x1,y1)", "x0,y0,x1,y1" or "(x,y),r".
// "(" and ")" read as blanks and "-" as ",", so no coordinate is negative.
// Missing third and fourth numbers keep what `pts` held. Returns false, and
// leaves `pts` untouched, when the argument has fewer than two pieces or a
// number does not fit 16 bits: such a record is ignored.
bool decodePoints(std::string_view dstream, Points& pts);

// lower <= i <= higher.
constexpr bool inRange(int16_t i, int16_t lower, int16_t higher) { return lower <= i && i <= higher; }

}  // namespace quorlak
