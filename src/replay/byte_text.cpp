#include "replay/byte_text.h"

#include <charconv>
#include <cmath>

namespace quorlak {

std::optional<std::string> bytesFromJsonText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 0xff) return std::nullopt;
        bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

void appendJsonBytes(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '"' || b == '\\') {
            out.push_back('\\');
            out.push_back(ch);
        } else if (b < 0x20 || (b >= 0x7f && b < 0xa0)) {
            // Control characters, C1 included, stay readable as escapes.
            out += "\\u00";
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0xf]);
        } else if (b < 0x80) {
            out.push_back(ch);
        } else {
            // U+00A0..U+00FF in UTF-8.
            out.push_back(static_cast<char>(0xc0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3f)));
        }
    }
    out.push_back('"');
}

namespace {

template <typename T>
void appendShortest(std::string& out, T value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    // Plain digits, never an exponent: whole numbers read as integers.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    out.append(buf, res.ptr);
}

}  // namespace

void appendJsonNumber(std::string& out, double value) { appendShortest(out, value); }
void appendJsonNumber(std::string& out, float value) { appendShortest(out, value); }

void appendJsonInt(std::string& out, int64_t value) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

}  // namespace quorlak
