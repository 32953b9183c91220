#include "gui/demo_server.h"

#include <QRandomGenerator>

#ifdef QUORLAK_HAVE_SERVER
#if __has_include("game_server.h")
#include "game_server.h"
#else
#include "server/src/game_server.h"
#endif
#endif

namespace quorlak {

std::optional<ServerAddress> startDemoServer(QObject* parent, QString* error) {
#ifdef QUORLAK_HAVE_SERVER
    auto* server = new server::GameServer(QRandomGenerator::global()->generate(), parent);
    QString why;
    if (!server->listen(0, &why)) {
        delete server;
        if (error) *error = QStringLiteral("the demo server could not start: ") + why;
        return std::nullopt;
    }
    return ServerAddress{QStringLiteral("127.0.0.1"), server->port()};
#else
    Q_UNUSED(parent);
    if (error) *error = QStringLiteral("this build has no demo server");
    return std::nullopt;
#endif
}

}  // namespace quorlak
