#pragma once
// The servers the player connected to, newest first, kept between runs in
// the user's settings (QSettings key "connection/recentServers").

#include <QString>
#include <QStringList>

#include "wire/server_address.h"

namespace quorlak {

class ServerHistory {
public:
    static constexpr const char* kSettingsKey = "connection/recentServers";

    // `file`: an INI file to keep them in; empty for the user's own settings.
    explicit ServerHistory(QString file = {}) : file_(std::move(file)) {}

    // "HOST:PORT" each, newest first; only those that still read as an address.
    QStringList servers() const;
    void remember(const ServerAddress& address);

private:
    QString file_;
};

}  // namespace quorlak
