#include "gui/server_history.h"

#include <QSettings>
#include <memory>

namespace quorlak {

namespace {

std::unique_ptr<QSettings> openSettings(const QString& file) {
    if (file.isEmpty()) return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

QStringList ServerHistory::servers() const {
    QStringList usable;
    // The file is the user's to edit: keep only what still reads as an address.
    for (const QString& entry : openSettings(file_)->value(QLatin1String(kSettingsKey)).toStringList())
        if (parseServerAddress(entry) && usable.size() < kMaxRecentServers) usable << entry;
    return usable;
}

void ServerHistory::remember(const ServerAddress& address) {
    openSettings(file_)->setValue(QLatin1String(kSettingsKey), withRecentServer(servers(), address));
}

}  // namespace quorlak
