#pragma once
// Windows-1252, the code page of the server's text, of the keys typed and of
// the clipboard: one byte per character. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the
// same value, both ways, so every byte round-trips and typed, pasted and
// received text follow the one rule.

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
