// Whatever the game draws piece by piece leaves the client's display as a
// full redraw (F5) of the same screen draws it: no leftovers of earlier
// lines, no clears that cut into a neighbour, no highlight lost.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <memory>
#include <random>

#include "canvas/data_files.h"
#include "key_codes.h"
#include "replay/replay_session.h"
#include "test_player.h"

using namespace quorlak::server;
using quorlak::server::test::TestPlayer;

namespace {

// The picture the player sees, from a second client fed the same bytes (with
// the real pictures, so a picture that a clear misses shows too), down to the
// client's message list, which always lies over the rest.
class Picture {
public:
    explicit Picture(const TestPlayer& player)
        : player_(player), client_(quorlak::loadPictures(), quorlak::loadTerminalFont()) {}
    QImage now() {
        client_.receiveFile(player_.stream.mid(fed_).toStdString());
        fed_ = player_.stream.size();
        while (client_.heldBytes() > 0) client_.advance(250);
        const QImage& image = client_.core().canvas().image();
        return image.copy(0, 0, image.width(), client_.core().messages().geometry.top);
    }

private:
    const TestPlayer& player_;
    qsizetype fed_ = 0;
    quorlak::ReplaySession client_;
};

// The rectangle holding every pixel that differs, as "x,y wxh"; empty when none does.
QString differingArea(const QImage& a, const QImage& b) {
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) area |= QRect(x, y, 1, 1);
    if (area.isEmpty()) return {};
    return QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}

// Clears that take away some but not all rows of a text line still shown: a
// full redraw draws the same, so only the stream tells. Clearing whole rows
// of some of its characters is erasing them, not cutting.
QStringList cutLines(const QByteArray& stream) {
    struct Shown {
        QRect cells;
        QByteArray text;
    };
    QList<Shown> shown;
    QStringList cuts;
    QPoint at;
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    for (const QByteArray& record : stream.split('\x1f')) {
        const QByteArray code = record.left(2);
        QList<int> n;
        for (const auto& match : number.globalMatch(QString::fromLatin1(record.mid(2)))) n << match.captured().toInt();
        if (code == "cs") shown.clear();
        if (code == "lc" && n.size() == 2) at = {n[0], n[1]};
        if (code == "pt" && record.size() >= 4) {
            const QByteArray text = record.mid(3, record.size() - 4);
            shown.append(
                {QRect(at.x(), at.y() - layout::kTextTopAbove, int(text.size()) * layout::kCharWidth, 16), text});
            at.rx() += int(text.size()) * layout::kCharWidth;
        }
        if (code != "cr" || n.size() != 4) continue;
        // A clear from this x is the client's cue to clear the chest's place instead.
        const QRect clear = n[0] == layout::kChestClearX ? QRect(QPoint(layout::kChestLeft, layout::kChestTop),
                                                                 QPoint(layout::kChestRight, layout::kChestBottom))
                                                         : QRect(QPoint(n[0], n[1]), QPoint(n[2], n[3]));
        for (qsizetype i = shown.size() - 1; i >= 0; --i) {
            const QRect cells = shown[i].cells;
            if (!clear.intersects(cells)) continue;
            if (clear.top() > cells.top() || clear.bottom() < cells.bottom())
                cuts << QStringLiteral("%1 cuts \"%2\"")
                            .arg(QString::fromLatin1(record), QString::fromLatin1(shown[i].text));
            if (clear.contains(cells)) shown.removeAt(i);
        }
    }
    return cuts.mid(0, 10);
}

// One thing a player does; returns what, for the failure message.
QString play(TestPlayer& player, std::mt19937& random) {
    static const QStringList commands = {"U1", "U3", "P1", "P2", "P3",  "G2",     "X1,3",  "bi4",
                                         "bi", "1",  "2",  "U",  "zzz", "say hi", "Mpann", "shout ho"};
    static const std::pair<int, int> listKeys[] = {{'1', 0}, {'2', 0}, {'S', 0}, {'S', key_mask::Shift},
                                                   {'C', 0}, {'A', 0}, {'E', 0}};
    const int roll = int(random() % 100);
    if (roll < 50) {
        const int arrow = vkey::Left + int(random() % 4);
        player.press(arrow);
        return QStringLiteral("arrow %1").arg(arrow);
    }
    if (roll < 62) {
        player.press(vkey::Enter);
        return QStringLiteral("Enter");
    }
    if (roll < 72) {
        const auto [code, mask] = listKeys[random() % std::size(listKeys)];
        player.press(vkey::F7);
        player.press(code, mask);
        return QStringLiteral("F7 %1/%2").arg(code).arg(mask);
    }
    if (roll < 86) {
        const QString command = commands[int(random() % commands.size())];
        player.enter(command);
        return command;
    }
    if (roll < 93) {
        player.type(QStringLiteral("gjpqy words"));
        player.press(vkey::Escape);
        return QStringLiteral("typed, Esc");
    }
    const int keys[] = {vkey::F1, vkey::PageUp, vkey::PageDown, vkey::Backspace};
    const int key = keys[random() % std::size(keys)];
    player.press(key);
    return QStringLiteral("key %1").arg(key);
}

}  // namespace

TEST(Redraw, APlayedScreenIsWhatAFullRedrawDraws) {
    Realm realm;
    TestPlayer joe(realm, 31);
    TestPlayer ann(realm, 32);
    joe.enter("Joe");
    ann.enter("Ann");
    std::unique_ptr<TestPlayer> visitor;
    Picture picture(joe);
    std::mt19937 random(7);
    int failures = 0;
    for (int step = 1; step <= 600 && failures < 5; ++step) {
        if (step % 2 == 0) play(ann, random);
        // Someone joins or leaves now and then, also in the middle of a fight.
        if (step % 37 == 0) {
            if (visitor) {
                visitor.reset();
            } else {
                visitor = std::make_unique<TestPlayer>(realm, step);
                visitor->enter("Visitor");
            }
        }
        QString done;
        if (step % 50 == 25) {  // off to a den now and then, for fights
            joe.walkTo({world::areaAt({1, 0}), {14, 6}});
            done = QStringLiteral("to the den");
        } else {
            done = play(joe, random);
        }
        const QImage shown = picture.now();
        joe.press(vkey::F5);
        const QString differs = differingArea(shown, picture.now());
        if (!differs.isEmpty()) {
            ++failures;
            ADD_FAILURE() << "step " << step << " (" << done.toStdString() << ", fighting " << joe.session.isFighting()
                          << "): the redraw differs in " << differs.toStdString();
        }
    }
    EXPECT_GT(joe.session.character().kills, 0);
    EXPECT_EQ(cutLines(joe.stream).join('\n').toStdString(), "");
}

TEST(Redraw, APlayerLeavingMidFightLeavesTheFoughtSlotHighlighted) {
    Realm realm;
    TestPlayer joe(realm, 11);
    auto ann = std::make_unique<TestPlayer>(realm, 12);
    joe.enter("Joe");
    ann->enter("Ann");
    joe.walkTo({world::areaAt({1, 0}), {14, 6}});  // the wolves' den
    ASSERT_TRUE(joe.session.isFighting());
    ASSERT_EQ(joe.session.fight()->target, 1);
    // "1 user online" names slot 1 for the client too; the foe's line and its mark follow.
    ann.reset();
    EXPECT_EQ(joe.client.redSlots(), QList<int>{1});
}
