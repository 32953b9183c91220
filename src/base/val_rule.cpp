#include "base/val_rule.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace quorlak {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks the text while skipping the blanks that the rule ignores everywhere.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        ++pos_;
        skip();
    }

private:
    void skip() {
        while (pos_ < text_.size() && isSkipped(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    size_t pos_ = 0;
};

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

double readRadixInteger(Cursor& cur, int base) {
    double value = 0;
    for (int d; (d = digitValue(cur.peek(), base)) >= 0; cur.advance()) value = value * base + d;
    return value;
}

}  // namespace

double valNumber(std::string_view text) {
    Cursor cur(text);
    if (cur.peek() == '&') {
        cur.advance();
        const char kind = cur.peek();
        if (kind == 'H' || kind == 'h') {
            cur.advance();
            return readRadixInteger(cur, 16);
        }
        if (kind == 'O' || kind == 'o') {
            cur.advance();
            return readRadixInteger(cur, 8);
        }
        return 0;
    }

    // Gather the number's characters without the blanks, then let strtod read them.
    std::string number;
    if (cur.peek() == '+' || cur.peek() == '-') {
        number += cur.peek();
        cur.advance();
    }
    bool anyDigit = false;
    bool seenPoint = false;
    int digits = 0;
    int64_t whole = 0;  // the digits as an integer, while they fit a double exactly
    for (;; cur.advance()) {
        const char c = cur.peek();
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            number += c;
            if (++digits <= 15) whole = whole * 10 + (c - '0');
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            number += c;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0;

    const char e = cur.peek();
    // Plain integers, nearly every number the stream carries, need no strtod.
    if (!seenPoint && digits <= 15 && e != 'E' && e != 'e' && e != 'D' && e != 'd') {
        const double value = static_cast<double>(whole);
        return number.front() == '-' ? -value : value;
    }
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        std::string exponent = "e";
        cur.advance();
        if (cur.peek() == '+' || cur.peek() == '-') {
            exponent += cur.peek();
            cur.advance();
        }
        bool expDigit = false;
        for (; cur.peek() >= '0' && cur.peek() <= '9'; cur.advance()) {
            expDigit = true;
            // Beyond a few digits the value is out of every range anyway.
            if (exponent.size() < 12) exponent += cur.peek();
        }
        if (expDigit) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

double roundHalfEven(double value) {
    // Whole numbers, nearly every value there is, are rounded already.
    if (std::fabs(value) < 2147483648.0 && static_cast<double>(static_cast<int32_t>(value)) == value) return value;
    if (!std::isfinite(value)) return value;
    return std::nearbyint(value);  // default rounding mode is to nearest, ties to even
}

namespace {
template <typename T>
std::optional<T> toWidth(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}
}  // namespace

std::optional<int16_t> toInt16(double value) { return toWidth<int16_t>(value); }
std::optional<int32_t> toInt32(double value) { return toWidth<int32_t>(value); }
std::optional<uint8_t> toUInt8(double value) { return toWidth<uint8_t>(value); }

int16_t clampToInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0)) return -32768;  // also NaN
    if (r > 32767.0) return 32767;
    return static_cast<int16_t>(r);
}

}  // namespace quorlak
