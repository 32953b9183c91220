// What the game draws piece by piece leaves the client's display as a full
// redraw (F5) of the same screen draws it: no leftovers, no clear that cuts
// into a neighbour, no highlight lost.

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

QRect differingArea(const QImage& a, const QImage& b) {
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) area |= QRect(x, y, 1, 1);
    return area;
}

// Clears that take some but not all rows of a line still shown (the redraw
// draws the same, so only the stream tells); whole rows of some characters is erasing them.
QStringList cutLines(const QByteArray& stream) {
    QList<std::pair<QRect, QByteArray>> shown;
    QStringList cuts;
    QPoint at;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    for (const QByteArray& record : stream.split('\x1f')) {
        QList<int> n;
        for (const auto& match : number.globalMatch(QString::fromLatin1(record.mid(2)))) n << match.captured().toInt();
        if (record.startsWith("cs")) shown.clear();
        if (record.startsWith("lc") && n.size() == 2) at = {n[0], n[1]};
        if (record.startsWith("pt") && record.size() >= 4) {
            const int width = int(record.size() - 4) * layout::kCharWidth;
            shown.append({QRect(at.x(), at.y() - layout::kTextTopAbove, width, 16), record.mid(3, record.size() - 4)});
            at.rx() += width;
        }
        if (!record.startsWith("cr") || n.size() != 4) continue;
        // A clear from this x is the client's cue to clear the chest's place instead.
        const QRect clear = n[0] == layout::kChestClearX ? QRect(QPoint(layout::kChestLeft, layout::kChestTop),
                                                                 QPoint(layout::kChestRight, layout::kChestBottom))
                                                         : QRect(QPoint(n[0], n[1]), QPoint(n[2], n[3]));
        for (qsizetype i = shown.size() - 1; i >= 0; --i) {
            const QRect cells = shown[i].first;
            if (clear.intersects(cells) && (clear.top() > cells.top() || clear.bottom() < cells.bottom()))
                cuts << QString::fromLatin1(record + " cuts " + shown[i].second);
            if (clear.contains(cells)) shown.removeAt(i);
        }
    }
    return cuts.mid(0, 10);
}

// Something a player does, as a line of text for the failure message.
QString play(TestPlayer& player, std::mt19937& random) {
    static const QStringList commands = {"U1", "U3", "P1", "P2", "P3",  "G2",     "X1,3",  "bi4",
                                         "bi", "1",  "2",  "U",  "zzz", "say hi", "Mpann", "shout ho"};
    const int roll = int(random() % 100);
    if (roll < 50) player.press(vkey::Left + int(random() % 4));
    else if (roll < 62) player.press(vkey::Enter);
    else if (roll < 72) {
        const char list = "12SSCAE"[random() % 7];
        player.press(vkey::F7);
        player.press(list, list == 'S' && roll % 2);
    } else if (roll < 86) player.enter(commands[int(random() % commands.size())]);
    else if (roll < 93) player.type(QStringLiteral("gjpqy words")), player.press(vkey::Escape);
    else player.press(QList<int>{vkey::F1, vkey::PageUp, vkey::PageDown, vkey::Backspace}[random() % 4]);
    return QString::number(roll);
}

}  // namespace

TEST(Redraw, APlayedScreenIsWhatAFullRedrawDraws) {
    Realm realm;
    TestPlayer joe(realm, 31);
    TestPlayer ann(realm, 32);
    joe.enter("Joe");
    ann.enter("Ann");
    std::unique_ptr<TestPlayer> visitor;
    // What Joe sees down to the message list (which always lies over the rest):
    // a second client fed the same bytes, with the real pictures.
    quorlak::ReplaySession mirror(quorlak::loadPictures(), quorlak::loadTerminalFont());
    auto picture = [&, fed = qsizetype(0)]() mutable {
        mirror.receiveFile(joe.stream.mid(fed).toStdString());
        fed = joe.stream.size();
        while (mirror.heldBytes() > 0) mirror.advance(250);
        return mirror.core().canvas().image().copy(0, 0, 512, mirror.core().messages().geometry.top);
    };
    std::mt19937 random(7);
    for (int step = 1, failures = 0; step <= 600 && failures < 5; ++step) {
        if (step % 2 == 0) play(ann, random);
        if (step % 37 == 0 || (joe.session.isFighting() && step % 4 == 0)) {  // someone joins or leaves
            visitor = visitor ? nullptr : std::make_unique<TestPlayer>(realm, step);
            if (visitor) visitor->enter("Visitor");
        }
        QString done = QStringLiteral("to the den");
        if (step % 30 == 15) joe.walkTo({world::areaAt({1, 0}), {14, 6}});  // for fights
        else done = play(joe, random);
        const QImage shown = picture();
        joe.press(vkey::F5);
        const QRect differs = differingArea(shown, picture());
        if (!differs.isEmpty() && ++failures)
            ADD_FAILURE() << "step " << step << " (roll " << done.toStdString() << ", fighting "
                          << joe.session.isFighting() << "): the redraw differs in " << differs.x() << ","
                          << differs.y() << " " << differs.width() << "x" << differs.height();
    }
    EXPECT_GT(joe.session.character().kills, 0);
    EXPECT_EQ(cutLines(joe.stream).join('\n').toStdString(), "");
}
