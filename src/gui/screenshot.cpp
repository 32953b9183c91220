#include "gui/screenshot.h"

#include <QDir>
#include <QStandardPaths>

namespace quorlak {

QString screenshotName(const QDateTime& at) { return at.toString(QStringLiteral("'quorlak-'yyyy-MM-dd-HHmmss'.png'")); }

QString screenshotFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

}  // namespace quorlak
