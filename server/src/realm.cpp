#include "realm.h"

#include "game_session.h"

void Realm::enter(GameSession* player) {
    if (players_.contains(player)) return;
    players_.append(player);
    announce(QStringLiteral("%1 has entered the Frozen Vaults.").arg(player->name()), player);
    forOthers(player, [](GameSession& p) { p.usersChanged(); });
    moved(*player, std::nullopt);
}

void Realm::leave(GameSession* player) {
    if (!players_.removeOne(player)) return;
    forOthers(nullptr, [&](GameSession& p) {
        p.otherLeft(*player);
        p.notice(QStringLiteral("%1 has left.").arg(player->name()));
        p.usersChanged();
    });
}

GameSession* Realm::find(const QString& name) const {
    const QString wanted = name.trimmed();
    for (GameSession* p : players_) {
        if (p->name().compare(wanted, Qt::CaseInsensitive) == 0) return p;
    }
    return nullptr;
}

QList<GameSession*> Realm::playersAt(int area, const GameSession* except) const {
    QList<GameSession*> here;
    for (GameSession* p : players_) {
        if (p != except && p->place().area == area) here.append(p);
    }
    return here;
}

void Realm::moved(const GameSession& player, const std::optional<Place>& from) {
    forOthers(&player, [&](GameSession& p) { p.otherMoved(player, from); });
}

void Realm::talk(const GameSession& speaker, QChar kind, const QString& text, bool everywhere) {
    forOthers(&speaker, [&](GameSession& p) {
        if (everywhere || p.place().area == speaker.place().area) p.hear(kind, speaker.name(), text);
    });
}

void Realm::announce(const QString& text, const GameSession* except) {
    forOthers(except, [&](GameSession& p) { p.notice(text); });
}
