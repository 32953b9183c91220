#pragma once
// Whole files as bytes, with a one-line reason when they cannot be read.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quorlak {

std::optional<std::string> readFileBytes(const QString& path, std::string& error);
bool writeFileBytes(const QString& path, std::string_view bytes, std::string& error);

}  // namespace quorlak
