#pragma once
// The client-to-server key format: " CODE, MASK" per key, no framing.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace quorlak {

constexpr int kMaxItemsPerWrite = 10;

// Virtual-key codes named by the client's own handlers.
namespace vkey {
constexpr int16_t Enter = 13;
constexpr int16_t Shift = 16;
constexpr int16_t Control = 17;
constexpr int16_t Alt = 18;
constexpr int16_t Esc = 27;
constexpr int16_t PageUp = 33;
constexpr int16_t PageDown = 34;
constexpr int16_t Up = 38;
constexpr int16_t Down = 40;
constexpr int16_t F = 70;
constexpr int16_t I = 73;
constexpr int16_t O = 79;
constexpr int16_t F7 = 118;
}  // namespace vkey

// One key item, e.g. keyItem(65, 0) == " 65, 0".
std::string keyItem(int code, int mask);

// The key code and mask that typing this Windows-1252 character gives:
// "A".."Z" keep their code with mask 1; anything else is upper-cased to its
// byte with mask 0 ("a" -> 65, "é" -> 201).
std::pair<int, int> keyForChar(uint8_t c);

// Windows-1252 upper case of one byte.
uint8_t upperCp1252(uint8_t c);

}  // namespace quorlak
