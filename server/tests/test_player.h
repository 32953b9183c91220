#pragma once

#include "client_view.h"
#include "game_session.h"
#include "key_codes.h"
#include "realm.h"
#include "world_map.h"

#include <QQueue>
#include <QSet>

using namespace quorlak::server;

// Test support: a player at a client, driving a session directly.
struct TestPlayer {
    explicit TestPlayer(Realm& realm, quint64 seed = 1)
        : session(realm, seed, [this](const QByteArray& bytes) {
              stream += bytes;
              view.feed(bytes);
          }) {
        session.start();
    }

    void press(int code, int mask = 0) { session.handleKey(KeyEvent::key(code, mask)); }

    // As the client sends text: letters by their key, upper case with Shift,
    // everything else by its character code.
    void type(const QString& text) {
        for (QChar c : text) {
            if (c >= 'A' && c <= 'Z') press(c.unicode(), 1);
            else press(c.toUpper().unicode(), 0);
        }
    }

    void enter(const QString& line) {
        type(line);
        press(vkey::Enter);
    }

    void listKey(int code, int mask = 0) {
        press(vkey::F7);
        press(code, mask);
    }

    bool hasMessage(const QString& part) const {
        for (const auto& row : view.messages) {
            if (row.line.contains(part) || row.text.contains(part)) return true;
        }
        return false;
    }

    // Walks by the shortest way (ignoring creatures) towards the cell; stops
    // there, when a fight starts, or after `limit` steps.
    void walkTo(const Place& target, int limit = 200) {
        for (int i = 0; i < limit && !session.isFighting() && !(session.place() == target); ++i) {
            const int key = firstStepTowards(target);
            if (key == 0) return;
            press(key);
        }
    }

    int firstStepTowards(const Place& target) const {
        const QList<QPair<QPoint, int>> moves = {
            {{1, 0}, vkey::Right}, {{-1, 0}, vkey::Left}, {{0, 1}, vkey::Down}, {{0, -1}, vkey::Up}};
        auto id = [](const Place& p) { return p.area * 10000 + p.cell.y() * 100 + p.cell.x(); };
        QQueue<QPair<Place, int>> queue;
        QSet<int> seen{id(session.place())};
        for (const auto& [d, key] : moves) {
            if (auto next = world::step(session.place(), d)) {
                queue.enqueue({*next, key});
                seen.insert(id(*next));
            }
        }
        while (!queue.isEmpty()) {
            const auto [place, key] = queue.dequeue();
            if (place == target) return key;
            for (const auto& move : moves) {
                const auto next = world::step(place, move.first);
                if (next && !seen.contains(id(*next))) {
                    seen.insert(id(*next));
                    queue.enqueue({*next, key});
                }
            }
        }
        return 0;
    }

    QByteArray stream;
    ClientView view;
    GameSession session;
};
