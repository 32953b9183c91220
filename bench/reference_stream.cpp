#include "reference_stream.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <random>

#include "game_session.h"
#include "key_codes.h"
#include "key_item_parser.h"
#include "realm.h"

namespace quorlak::bench {
namespace {

using server::GameSession;
using server::KeyEvent;
using server::Realm;
namespace key_mask = server::key_mask;
namespace vkey = server::vkey;

// A player at a client: keys go straight into the game, output is collected.
struct Player {
    Player(Realm& realm, quint64 seed, std::string* sink)
        : session(realm, seed, [sink](const QByteArray& bytes) {
              if (sink) sink->append(bytes.constData(), size_t(bytes.size()));
          }) {
        session.start();
    }

    void press(int code, int mask = 0) { session.handleKey(KeyEvent::key(code, mask)); }
    void type(const QString& text) {
        for (QChar c : text) {
            if (c >= 'A' && c <= 'Z') press(c.unicode(), key_mask::Shift);
            else press(c.toUpper().unicode());
        }
    }
    void enter(const QString& line) {
        type(line);
        press(vkey::Enter);
    }

    GameSession session;
};

// Mostly walking and fighting, with the list screens, commands and talk a
// player uses along the way.
void playOneKey(Player& p, std::mt19937& dice) {
    static const QStringList commands = {
        "U3",    "U5", "P1", "P2",   "P3", "G4", "X2,5", "bi6", "say hello there", "shout anyone in the vaults?",
        "Mpann", "1",  "2",  "help", "bi2"};
    const int roll = int(dice() % 100);
    if (roll < 58) {
        const int arrows[] = {vkey::Left, vkey::Up, vkey::Right, vkey::Down};
        p.press(arrows[dice() % 4]);
    } else if (roll < 76) {
        p.press(vkey::Enter);
    } else if (roll < 86) {
        const int selectors[] = {'1', '2', '3', '4', '5', '6', 'S', 'C', 'A', 'E'};
        p.press(vkey::F7);
        p.press(selectors[dice() % 10], int(dice() % 2));
    } else if (roll < 94) {
        p.enter(commands[int(dice() % commands.size())]);
        if (p.session.isPlaying() && roll % 2) p.enter(QStringLiteral("a short note"));  // answers a question
    } else {
        const int keys[] = {vkey::F5, vkey::F1, vkey::Escape, vkey::PageUp, vkey::PageDown};
        p.press(keys[dice() % 5]);
    }
}

}  // namespace

std::string makeReferenceStream(size_t minBytes) {
    std::string stream;
    stream.reserve(minBytes + (minBytes >> 3));
    Realm realm;
    Player joe(realm, 7, &stream);
    Player ann(realm, 8, nullptr);
    joe.enter(QStringLiteral("Joe"));
    ann.enter(QStringLiteral("Ann"));
    std::mt19937 joeDice(2024), annDice(99);
    // A fixed key budget stops a game that somehow stops drawing.
    for (long keys = 0; stream.size() < minBytes && keys < 50'000'000; ++keys) {
        playOneKey(joe, joeDice);
        if (keys % 3 == 0) playOneKey(ann, annDice);
    }
    return stream;
}

std::string loadReferenceStream(const QString& path, size_t minBytes) {
    QFile cached(path);
    if (cached.open(QIODevice::ReadOnly) && size_t(cached.size()) >= minBytes) {
        const QByteArray bytes = cached.readAll();
        return std::string(bytes.constData(), size_t(bytes.size()));
    }
    std::string stream = makeReferenceStream(minBytes);
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(stream.data(), qint64(stream.size()));
        out.commit();
    }
    return stream;
}

}  // namespace quorlak::bench
