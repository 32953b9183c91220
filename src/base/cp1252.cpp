#include "base/cp1252.h"

#include <QList>
#include <array>

namespace quorlak {
namespace {

// 0x80..0x9F are the only bytes that differ from Latin-1.
constexpr std::array<char16_t, 32> kHigh{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<unsigned char>(codePoint);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

QString cp1252ToQString(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    // Every code point of the table lies in the basic plane: one UTF-16 unit each.
    for (const char c : bytes)
        text.append(QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return text;
}

std::string qstringToCp1252(const QString& text, char fallback) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const auto byte = unicodeToCp1252(cp);
        bytes.push_back(byte ? static_cast<char>(*byte) : fallback);
    }
    return bytes;
}

}  // namespace quorlak
