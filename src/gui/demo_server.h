#pragma once
// The stand-in game server, run inside the client for --demo.

#include <QObject>
#include <QString>
#include <optional>

#include "wire/server_address.h"

namespace quorlak {

// Starts the server on a free loopback port, owned by `parent`, and returns
// where to connect; nothing (and why) when it cannot, or when this build
// has no server.
std::optional<ServerAddress> startDemoServer(QObject* parent, QString* error);

}  // namespace quorlak
