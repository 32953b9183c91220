#pragma once
// Decoding of the points that drawing records carry in their argument.

#include <cstdint>
#include <string_view>

#include "session/client_state.h"

namespace quorlak {

// Fills `pts` from forms like "(x0,y0)-(x1,y1)", "x0,y0,x1,y1" or "(x,y),r".
// "(" and ")" read as blanks and "-" as ",", so no coordinate is negative.
// Missing third and fourth numbers keep what `pts` held. Returns false, and
// leaves `pts` untouched, when the argument has fewer than two pieces or a
// number does not fit 16 bits: such a record is ignored.
bool getcoords(std::string_view dstream, Points& pts);

// lower <= i <= higher.
constexpr bool inrange(int16_t i, int16_t lower, int16_t higher) { return lower <= i && i <= higher; }

}  // namespace quorlak
