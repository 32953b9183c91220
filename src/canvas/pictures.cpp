#include "canvas/pictures.h"

#include <QDir>
#include <QFileInfo>

namespace quorlak {

const std::array<std::string_view, Pictures::kCount + 1>& Pictures::names() {
    static const std::array<std::string_view, kCount + 1> table{
        "",        "bear",        "blob",  "ghost",  "gargoyle", "bluedragon", "fire elemental",
        "wizard",  "giant",       "thief", "goblin", "spider",   "lizard",     "skeleton",
        "fighter", "merman",      "",      "",       "",         "",           "Treasure-chest-closed",
        "water",   "skull&bones", "peace"};
    return table;
}

Pictures Pictures::load(const QStringList& searchDirs) {
    Pictures pictures;
    for (int i = 1; i <= kCount; ++i) {
        const std::string_view name = names()[i];
        if (name.empty()) continue;
        const QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + ".gif";
        for (const QString& dir : searchDirs) {
            for (const QString& path : {QDir(dir).filePath("pictures/" + file), QDir(dir).filePath(file)}) {
                if (!QFileInfo::exists(path)) continue;
                QImage image(path);
                if (image.isNull()) continue;  // unreadable: the element stays empty
                pictures.img[i] = image.convertToFormat(QImage::Format_ARGB32);
                break;
            }
            if (!pictures.img[i].isNull()) break;
        }
    }
    return pictures;
}

}  // namespace quorlak
