#include "wire/key_items.h"

namespace quorlak {

namespace {

// The number formatting of the key stream: a blank stands where a minus sign would.
std::string signedField(int value) { return (value < 0 ? "" : " ") + std::to_string(value); }

}  // namespace

std::string keyItem(int code, int mask) { return signedField(code) + "," + signedField(mask); }

uint8_t upperCp1252(uint8_t c) {
    if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        case 0xF7: return c;     // the division sign has no case
        default: break;
    }
    // à..þ; µ and ß have no upper case in this code page.
    if (c >= 0xE0 && c <= 0xFE) return static_cast<uint8_t>(c - 0x20);
    return c;
}

std::pair<int, int> keyForChar(uint8_t c) {
    if (c >= 'A' && c <= 'Z') return {c, 1};
    return {upperCp1252(c), 0};
}

}  // namespace quorlak
