#include "gui/app_icon.h"

#include "canvas/data_files.h"

namespace quorlak {

QIcon appIcon() {
    static constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes) {
        const QString path = findDataFile(QStringLiteral("icons/quorlak-%1.png").arg(size));
        if (!path.isEmpty()) icon.addFile(path, QSize(size, size));
    }
    return icon;
}

}  // namespace quorlak
