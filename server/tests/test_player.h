#pragma once
// Test support: a player at the real client. Keys and panel actions go into
// the client, whatever it writes to the server is read by the server's key
// parser into the player's game session, and what the session draws goes
// back to the client.

#include <QJsonArray>
#include <QQueue>
#include <QSet>

#include "client_screen.h"
#include "game_session.h"
#include "key_codes.h"
#include "key_item_parser.h"
#include "realm.h"
#include "world_map.h"

namespace quorlak::server::test {

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
        for (int i = 0; i < limit && !session.isFighting() && !(session.place() == target); ++i) {
            const int key = firstStepTowards(target);
            if (key == 0) return;
            press(key);
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
    // The key of the first step of a shortest walk, or 0 when there is none.
    int firstStepTowards(const Place& target) const {
        const QList<QPair<QPoint, int>> steps = {
            {{1, 0}, vkey::Right}, {{-1, 0}, vkey::Left}, {{0, 1}, vkey::Down}, {{0, -1}, vkey::Up}};
        auto id = [](const Place& place) { return place.area * 10000 + place.cell.y() * 100 + place.cell.x(); };
        QQueue<QPair<Place, int>> queue{{{session.place(), 0}}};
        QSet<int> seen{id(session.place())};
        while (!queue.isEmpty()) {
            const auto [place, firstKey] = queue.dequeue();
            if (place == target) return firstKey;
            for (const auto& [direction, key] : steps) {
                const auto next = world::step(place, direction);
                if (next && !seen.contains(id(*next))) {
                    seen.insert(id(*next));
                    queue.enqueue({*next, firstKey ? firstKey : key});
                }
            }
        }
        return 0;
    }

    KeyItemParser parser_;

public:
    GameSession session;  // last: it draws into the client as it starts
};

}  // namespace quorlak::server::test
