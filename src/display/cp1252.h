#pragma once
// Windows-1252, the code page the server's text is in: one byte per
// character. The five bytes the code page leaves undefined map to the C1
// controls of the same value, as Windows does, so every byte round-trips.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quorlak {

char32_t cp1252ToUnicode(unsigned char byte);
// The byte for a code point, if the code page has one.
std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

QString cp1252ToQString(std::string_view bytes);
// Characters the code page cannot hold become `fallback`.
std::string qstringToCp1252(const QString& text, char fallback = '?');

}  // namespace quorlak
