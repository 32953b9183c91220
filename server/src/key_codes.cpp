#include "key_codes.h"

namespace quorlak::server {

namespace {

constexpr int kKeypadZero = 96;
constexpr int kKeypadNine = 105;

// Punctuation keys of a US keyboard.
QChar oemCharacter(int code, bool shift) {
    switch (code) {
        case 186: return shift ? ':' : ';';
        case 187: return shift ? '+' : '=';
        case 188: return shift ? '<' : ',';
        case 189: return shift ? '_' : '-';
        case 190: return shift ? '>' : '.';
        case 191: return shift ? '?' : '/';
        case 192: return shift ? '~' : '`';
        case 219: return shift ? '{' : '[';
        case 220: return shift ? '|' : '\\';
        case 221: return shift ? '}' : ']';
        case 222: return shift ? '"' : '\'';
        default: return {};
    }
}

}  // namespace

QChar typedCharacter(int code, int mask) {
    if (mask & (key_mask::Control | key_mask::Alt)) return {};
    const bool shift = mask & key_mask::Shift;

    if (code >= 'A' && code <= 'Z') return QChar(shift ? code : code - 'A' + 'a');
    if (code >= '0' && code <= '9') return shift ? QChar(")!@#$%^&*("[code - '0']) : QChar(code);
    if (code == ' ') return QChar(' ');
    if (code >= kKeypadZero && code <= kKeypadNine) return QChar('0' + code - kKeypadZero);

    switch (code) {
        // The keypad's operators.
        case 106: return '*';
        case 107: return '+';
        case 109: return '-';
        case 110: return '.';
        case 111: return '/';
        // Characters sent by their own code rather than by their key.
        case 42: return '*';
        case 43: return '+';
        case 44: return ',';
        case 45: return '-';
        case 46: return '.';
        case 47: return '/';
        case 58: return ':';
        case 59: return ';';
        case 61: return '=';
        case 63: return '?';
        case 64: return '@';
        default: return oemCharacter(code, shift);
    }
}

}  // namespace quorlak::server
