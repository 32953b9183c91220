#include "commands/custom_characters.h"

namespace quorlak {

void CustomCharacters::define(int n, std::string_view pattern) {
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const size_t pos = size_t(r) * kColumns + size_t(c);
            const char ch = pos < pattern.size() ? pattern[pos] : '0';
            cells_[n][c][r] = (ch >= '0' && ch <= '9') ? int16_t(ch - '0') : 0;
        }
    }
}

bool CustomCharacters::draw(DrawingTarget& target, int n, int x, int y) const {
    // Pixels are written directly, column by column.
    const QRgb color = target.foreColor;
    bool lit = false;
    int lastX = 0, lastY = 0;
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            if (cells_[n][c][r] <= 0) continue;
            target.setPixel(x + c + 1, y + r + 1, color);
            lit = true;
            lastX = x + c + 1;
            lastY = y + r + 1;
        }
    }
    if (lit) {
        target.currentX = float(lastX);
        target.currentY = float(lastY);
    }
    return lit;
}

}  // namespace quorlak
