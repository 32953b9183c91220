#pragma once
// Lenient number reading used wherever the game's text is read as a number,
// and the rounding that turns the result into the game's integer widths.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorlak {

// Reads the number that leads `text`: blanks, tabs and line feeds are skipped
// anywhere (also between digits); an optional sign, digits, one decimal point
// and an exponent introduced by E or D; "&H" and "&O" read hexadecimal and
// octal integers. Stops at the first other character; no number gives 0.
double valNumber(std::string_view text);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Round half to even, then check the range of the target width.
std::optional<int16_t> toInt16(double value);
std::optional<int32_t> toInt32(double value);
std::optional<uint8_t> toUInt8(double value);

// Round half to even and wrap into the width, for places where a value
// outside the range cannot arise from a well-behaved caller.
int16_t clampToInt16(double value);

}  // namespace quorlak
