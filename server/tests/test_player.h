#pragma once
// Test support: a player at the real client. Keys and panel actions go into
// the client, whatever it writes to the server is read by the server's key
// parser into the player's game session, and what the session draws goes
// back to the client.

#include <QHash>
#include <QJsonArray>
#include <QQueue>

#include "client_screen.h"
#include "game_session.h"
#include "key_codes.h"
#include "key_item_parser.h"
#include "realm.h"
#include "world_map.h"

namespace quorlak::server::test {

inline int placeId(const Place& place) { return place.area * 10000 + place.cell.y() * 100 + place.cell.x(); }

// The steps of a walk, by arrow key.
inline const QList<QPair<QPoint, int>> kSteps = {
    {{1, 0}, vkey::Right}, {{-1, 0}, vkey::Left}, {{0, 1}, vkey::Down}, {{0, -1}, vkey::Up}};

// How many steps every place reachable on foot lies from `from`, by placeId().
inline QHash<int, int> walkingDistances(const Place& from) {
    QHash<int, int> distance{{placeId(from), 0}};
    QQueue<Place> queue{{from}};
    while (!queue.isEmpty()) {
        const Place place = queue.dequeue();
        for (const auto& step : kSteps) {
            const auto next = world::step(place, step.first);
            if (next && !distance.contains(placeId(*next))) {
                distance.insert(placeId(*next), distance.value(placeId(place)) + 1);
                queue.enqueue(*next);
            }
        }
    }
    return distance;
}

class TestPlayer {
public:
    static constexpr double kPacedWriteMs = 250;  // longer than the client waits between paced writes

    explicit TestPlayer(Realm& realm, quint64 seed = 1)
        : session(realm, seed, [this](const QByteArray& bytes) {
              stream += bytes;
              client.receive(bytes);
          }) {
        session.start();
    }

    // A key goes down at the client.
    void press(int code, int mask = 0) {
        act(QStringLiteral(R"({"keydown": %1, "mask": %2})").arg(code).arg(mask).toStdString());
    }
    // Typed: pasted into the client, which sends it key by key.
    void type(const QString& text) {
        act(QJsonDocument(QJsonObject{{"clipboard", text}}).toJson(QJsonDocument::Compact).toStdString());
        act(R"({"char": 22})");
    }
    void enter(const QString& line) {
        type(line);
        press(vkey::Enter);
    }
    // Any other action at the client, as a line of a replay script.
    void act(std::string_view scriptLine) {
        client.act(scriptLine);
        for (QByteArray bytes = client.takeWrites(); !bytes.isEmpty(); bytes = client.takeWrites()) {
            parser_.feed(bytes, [this](const KeyEvent& key) { session.handleKey(key); });
            client.wait(kPacedWriteMs);
        }
    }

    // Walks by a shortest way (ignoring creatures) towards the cell; stops
    // there, when a fight starts, or after `limit` steps.
    void walkTo(const Place& target, int limit = 200) {
        const QHash<int, int> distance = walkingDistances(target);
        for (int i = 0; i < limit && !session.isFighting() && !(session.place() == target); ++i) {
            const auto closer = std::find_if(kSteps.begin(), kSteps.end(), [&](const auto& step) {
                const auto next = world::step(session.place(), step.first);
                return next && distance.value(placeId(*next), -1) == distance.value(placeId(session.place())) - 1;
            });
            if (closer == kSteps.end()) return;
            press(closer->second);
        }
    }

    QJsonObject state() const { return client.state(); }
    // The item list's row for list number `number`: {"mark", "text", ...}.
    QJsonObject itemRow(int number) const {
        return state()["griditems"].toObject()["rows"].toArray()[number - 1].toObject();
    }
    QJsonArray messages() const { return state()["gridmess"].toObject()["rows"].toArray(); }
    bool hasMessage(const QString& part) const {
        const QJsonArray rows = messages();
        return std::any_of(rows.begin(), rows.end(), [&](const QJsonValue& row) {
            return row.toObject()["line"].toString().contains(part) || row.toObject()["text"].toString().contains(part);
        });
    }

    ClientScreen client;
    QByteArray stream;  // everything the session sent

private:
    KeyItemParser parser_;

public:
    GameSession session;  // last: it draws into the client as it starts
};

}  // namespace quorlak::server::test
