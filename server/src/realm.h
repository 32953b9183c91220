#pragma once
// Everyone playing on this server: who is here, and passing on what one
// player does to the others it concerns. Sessions register once named and
// leave when they end.

#include <QList>
#include <QString>
#include <optional>

namespace quorlak::server {

class GameSession;
struct Place;

class Realm {
public:
    void enter(GameSession* player);
    void leave(GameSession* player);

    const QList<GameSession*>& players() const { return players_; }
    int count() const { return int(players_.size()); }
    GameSession* find(const QString& name) const;  // any case; trailing blanks ignored
    QList<GameSession*> playersAt(int area, const GameSession* except = nullptr) const;

    void moved(const GameSession& player, const std::optional<Place>& from);
    void talk(const GameSession& speaker, QChar kind, const QString& text, bool everywhere);
    void announce(const QString& text, const GameSession* except = nullptr);

private:
    // Calls f for every other player; a copy, since a call can end a session.
    template <typename F>
    void forOthers(const GameSession* except, F&& f) const {
        const QList<GameSession*> snapshot = players_;
        for (GameSession* player : snapshot) {
            if (player != except && players_.contains(player)) f(*player);
        }
    }

    QList<GameSession*> players_;
};

}  // namespace quorlak::server
