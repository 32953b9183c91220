#pragma once
// The custom characters the server defines: 31 bitmaps of 16 columns by 33
// rows, each cell a digit (lit when above 0).

#include <cstdint>
#include <string_view>

#include "canvas/drawing_target.h"

namespace quorlak {

class CustomCharacters {
public:
    static constexpr int kCount = 31;
    static constexpr int kColumns = 16;
    static constexpr int kRows = 33;

    // Character `n` from a pattern of rows, 16 digits each, from its first
    // character on; what the pattern lacks reads as 0.
    void define(int n, std::string_view pattern);
    // Sets the lit pixels of character `n` with their top-left cell at
    // (x + 1, y + 1); the current point ends on the last one lit. False when
    // nothing was lit.
    bool draw(DrawingTarget& target, int n, int x, int y) const;
    // Column 1..16, row 1..33.
    int16_t cell(int n, int column, int row) const { return cells_[n][column - 1][row - 1]; }

private:
    int16_t cells_[kCount][kColumns][kRows] = {};
};

}  // namespace quorlak
