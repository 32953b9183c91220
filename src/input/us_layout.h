#pragma once
// The US keyboard as the game server reads keys: which key types a character,
// and whether Shift goes with it. A key item names a key, not a character, so
// what a player types reaches the server as the US key for it, whatever
// keyboard the player has.

#include <cstdint>
#include <optional>

namespace quorlak {

struct UsKey {
    int16_t code = 0;  // the virtual-key code
    bool shift = false;
    friend bool operator==(const UsKey&, const UsKey&) = default;
};

// The US key that types `ch`; nothing for a character no US key types.
// Letters name their key with the Shift their case needs.
std::optional<UsKey> usKeyFor(char32_t ch);

}  // namespace quorlak
