#include "replay/file_bytes.h"

#include <QFile>
#include <QFileInfo>

namespace quorlak {

std::optional<std::string> readFileBytes(const QString& path, std::string& error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = "cannot read " + path.toStdString() + ": not a file";
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + path.toStdString() + ": " + file.errorString().toStdString();
        return std::nullopt;
    }
    std::string bytes;
    // Sizes of pipes and special files are unknown: read until the end.
    if (file.size() > 0) bytes.reserve(static_cast<size_t>(file.size()));
    char buf[1 << 16];
    for (;;) {
        const qint64 n = file.read(buf, sizeof buf);
        if (n < 0) {
            error = "cannot read " + path.toStdString() + ": " + file.errorString().toStdString();
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    return bytes;
}

bool writeFileBytes(const QString& path, std::string_view bytes, std::string& error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        error = "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace quorlak
