#include "wire/coords.h"

#include <cstdint>
#include <optional>
#include <string>

#include "base/val_rule.h"

namespace quorlak {
namespace {

constexpr int kPlainDigits = 5;  // 32767 and below never need more

bool isIgnored(char c) { return c == ' ' || c == '(' || c == ')' || c == '\t' || c == '\n'; }

// The usual argument: whole numbers of up to five digits between brackets,
// blanks and separators. Reads it as the general rule would; anything else
// (a sign, a point, an exponent, a letter, a long number) is left to it.
std::optional<bool> decodePlain(std::string_view arg, Points& pts) {
    int numbers[4] = {0, 0, 0, 0};
    int pieces = 0;
    int value = 0;
    int digits = 0;
    for (const char c : arg) {
        if (c >= '0' && c <= '9') {
            if (++digits > kPlainDigits) return std::nullopt;
            value = value * 10 + (c - '0');
        } else if (c == ',' || c == '-') {
            if (value > INT16_MAX) return false;
            numbers[pieces++] = value;
            if (pieces == 4) break;  // what follows the fourth number is never read
            value = 0;
            digits = 0;
        } else if (!isIgnored(c)) {
            return std::nullopt;
        }
    }
    if (pieces < 4) {
        if (value > INT16_MAX) return false;
        numbers[pieces++] = value;
    }
    if (pieces < 2) return false;
    pts.x[0] = int16_t(numbers[0]);
    pts.y[0] = int16_t(numbers[1]);
    if (pieces >= 3) pts.x[1] = int16_t(numbers[2]);
    if (pieces >= 4) pts.y[1] = int16_t(numbers[3]);
    return true;
}

}  // namespace

bool decodePoints(std::string_view dstream, Points& pts) {
    if (const auto plain = decodePlain(dstream, pts)) return *plain;

    // Nearly every argument is short enough to be rewritten on the stack.
    char local[64];
    std::string longer;
    char* buffer = local;
    if (dstream.size() > sizeof local) {
        longer.resize(dstream.size());
        buffer = longer.data();
    }
    for (size_t i = 0; i < dstream.size(); ++i) {
        const char c = dstream[i];
        buffer[i] = (c == '(' || c == ')') ? ' ' : c == '-' ? ',' : c;
    }
    const std::string_view text(buffer, dstream.size());

    std::optional<int16_t> numbers[4];
    size_t pieces = 0;
    size_t start = 0;
    while (pieces < 4) {
        const size_t comma = text.find(',', start);
        const std::string_view piece =
            text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        numbers[pieces] = toInt16(valNumber(piece));
        if (!numbers[pieces]) return false;
        ++pieces;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (pieces < 2) return false;

    pts.x[0] = *numbers[0];
    pts.y[0] = *numbers[1];
    if (pieces >= 3) pts.x[1] = *numbers[2];
    if (pieces >= 4) pts.y[1] = *numbers[3];
    return true;
}

}  // namespace quorlak
