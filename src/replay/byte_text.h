#pragma once
// The replay files' convention for bytes in JSON strings: every character
// from U+0000 to U+00FF stands for the byte of that value.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quorlak {

// The bytes a JSON string stands for; nothing when it holds a character above U+00FF.
std::optional<std::string> bytesFromJsonText(const QString& text);

// Appends `bytes` as a quoted JSON string (UTF-8 output, control characters escaped).
void appendJsonBytes(std::string& out, std::string_view bytes);

// Appends a number in the fewest plain digits that read back to the same value; `null` if not finite.
void appendJsonNumber(std::string& out, double value);
void appendJsonNumber(std::string& out, float value);
void appendJsonInt(std::string& out, int64_t value);

}  // namespace quorlak
