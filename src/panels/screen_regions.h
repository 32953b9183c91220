#pragma once
// Where a text line stands on the game screen decides what it means.

#include <string_view>

namespace quorlak {

enum class ScreenRegion { MessageBand, PlayerBand, StatusColumn, ListColumn, EncounterBand, TopBand };

// The line's distance from the bottom edge, as the nearest integer (ties to even).
int lineHeight(float currentY);
ScreenRegion classifyLine(int height, float x);

// The text from its n-th character on (counting from 1); empty when shorter.
inline std::string_view fromChar(std::string_view text, size_t n) {
    return n - 1 < text.size() ? text.substr(n - 1) : std::string_view{};
}

}  // namespace quorlak
