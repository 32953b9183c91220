#include "canvas/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

namespace quorlak {

QStringList dataDirs() {
    QStringList dirs;
    if (QCoreApplication::instance()) {
        const QDir programDir(QCoreApplication::applicationDirPath());
        dirs << programDir.path();
        // Installed under any prefix: the data lies at the same place relative to the program.
        dirs << QDir::cleanPath(programDir.filePath(QStringLiteral(QUORLAK_DATA_FROM_PROGRAM)));
    }
    dirs << QStringLiteral(QUORLAK_DATA_DIR);
    return dirs;
}

QString findDataFile(const QString& relative) {
    for (const QString& dir : dataDirs()) {
        const QString path = QDir(dir).filePath(relative);
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

QFont loadTerminalFont() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        const QString path = findDataFile(QStringLiteral("KELVOASCII.TTF"));
        if (!path.isEmpty()) QFontDatabase::addApplicationFont(path);
    }
    QFont font(QStringLiteral("KELVOASCII"));
    font.setPixelSize(16);  // 12 points at 96 dots per inch
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

Pictures loadPictures() { return Pictures::load(dataDirs()); }

}  // namespace quorlak
