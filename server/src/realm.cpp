#include "realm.h"

#include "game_session.h"

namespace quorlak::server {

void Realm::enter(GameSession* player) {
    if (players_.contains(player)) return;
    players_.append(player);
    announce(QStringLiteral("%1 has entered the Frozen Vaults.").arg(player->name()), player);
    forOthers(player, [](GameSession& other) { other.usersChanged(); });
    moved(*player, std::nullopt);
}

void Realm::leave(GameSession* player) {
    if (!players_.removeOne(player)) return;
    forOthers(nullptr, [&](GameSession& other) {
        other.otherLeft(*player);
        other.notice(QStringLiteral("%1 has left.").arg(player->name()));
        other.usersChanged();
    });
}

GameSession* Realm::find(const QString& name) const {
    const QString wanted = name.trimmed();
    for (GameSession* player : players_) {
        if (player->name().compare(wanted, Qt::CaseInsensitive) == 0) return player;
    }
    return nullptr;
}

QList<GameSession*> Realm::playersAt(int area, const GameSession* except) const {
    QList<GameSession*> here;
    for (GameSession* player : players_) {
        if (player != except && player->place().area == area) here.append(player);
    }
    return here;
}

void Realm::moved(const GameSession& player, const std::optional<Place>& from) {
    forOthers(&player, [&](GameSession& other) { other.otherMoved(player, from); });
}

void Realm::talk(const GameSession& speaker, QChar kind, const QString& text, bool everywhere) {
    forOthers(&speaker, [&](GameSession& listener) {
        if (everywhere || listener.place().area == speaker.place().area) listener.hear(kind, speaker.name(), text);
    });
}

void Realm::announce(const QString& text, const GameSession* except) {
    forOthers(except, [&](GameSession& other) { other.notice(text); });
}

}  // namespace quorlak::server
