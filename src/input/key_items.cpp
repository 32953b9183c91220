// PLACEHOLDER: replaced by the input implementation.
#include "input/key_items.h"
namespace quorlak {
std::string keyItem(int code, int mask) { return " " + std::to_string(code) + ", " + std::to_string(mask); }
std::pair<int, int> keyForChar(uint8_t c) { return {c, 0}; }
uint8_t upperCp1252(uint8_t c) { return c; }
}  // namespace quorlak
