#pragma once
// The picture table: index -> file name, and the loaded pictures.

#include <QImage>
#include <QStringList>
#include <array>
#include <string_view>

namespace quorlak {

struct Pictures {
    static constexpr int kCount = 23;
    // Index 0 and 16..19 have no name.
    static const std::array<std::string_view, kCount + 1>& names();

    std::array<QImage, kCount + 1> img{};  // a null image means "no picture"
    bool has(int n) const { return n >= 1 && n <= kCount && !img[n].isNull(); }

    // Loads "<name>.gif" from the first directory that has it.
    static Pictures load(const QStringList& searchDirs);
};

}  // namespace quorlak
