// The text lines whose characters the client reads by position, the record
// encoding, the world's plans and the custom characters.

#include "client_view.h"
#include "glyphs.h"
#include "panels.h"
#include "record_writer.h"
#include "screen_layout.h"
#include "screen_lines.h"
#include "world_map.h"

#include <gtest/gtest.h>
#include <QQueue>
#include <QSet>

using namespace quorlak::server;
using namespace quorlak::server::layout;

TEST(StatusLines, GaugeReadsBothNumbersAtTheirCharacters) {
    for (int maximum : {1, 9, 30, 60, 150, 999}) {
        for (int now : {0, 1, maximum / 2, maximum}) {
            const QString line = gaugeLine(now, maximum);
            EXPECT_EQ(int(clientNumber(fromCharacter(line, 14))), now) << line.toStdString();
            EXPECT_EQ(int(clientNumber(fromCharacter(QString(line).replace('/', ' '), 18))), maximum)
                << line.toStdString();
        }
    }
    EXPECT_EQ(gaugeLine(45, 60), "Health:       45/60");
}

TEST(StatusLines, FoodAndExperienceReadFromTheirCharacters) {
    for (int food : {0, 7, 59, 60, 100}) EXPECT_EQ(int(clientNumber(fromCharacter(foodLine(food), 18))), food);
    for (qint64 exp : {0LL, 999LL, 12345LL, 1234567LL, 2000000000LL}) {
        const QString line = experienceLine(exp);
        EXPECT_EQ(qint64(clientNumber(fromCharacter(line, 10).remove(','))), exp) << line.toStdString();
    }
    EXPECT_EQ(experienceLine(12345), "Exp:          12,345");
}

TEST(ListAndMessageLines, SplitWhereTheClientSplitsThem) {
    EXPECT_EQ(listLine(1, "Short sword"), " 1.Short sword");
    EXPECT_EQ(listLine(12, "Rope"), "12.Rope");

    const QString talk = talkLine('P', "Joe", "hello there").mid(1);  // the client drops one
    EXPECT_EQ(talk.left(2), "P ");
    EXPECT_EQ(talk.mid(2, 21), "Joe" + QString(18, ' '));
    EXPECT_EQ(talk.mid(23), "hello there");

    const QString treasure = treasureLine("a Sapphire").mid(1);
    EXPECT_EQ(treasure.left(23).trimmed(), "");
    EXPECT_EQ(treasure.mid(23), "a Sapphire");

    // A notice whose first word is one letter must not read as talk.
    const QString notice = noticeLine("A wolf howls.").mid(1);
    EXPECT_TRUE(notice.startsWith(' '));
    EXPECT_LT(notice.size(), 23);

    EXPECT_EQ(userCountLine(1), "1 user online");
    EXPECT_EQ(int(clientNumber(userCountLine(12))), 12);
    EXPECT_LE(slotLine(4, "Flame Sprite", "70").size(), kSlotWidth);
}

TEST(RecordWriter, EveryRecordEndsWithTheSeparator) {
    RecordWriter out;
    out.clearScreen();
    out.textAt(10, 204, "Health");
    out.line(-5, 3, 600, 40000);
    out.placeInput(0, 72, 60);
    out.returnToInput();
    out.eraseInput(3);
    EXPECT_EQ(out.take(), QByteArray("cs\x1flc(10,204)\x1fpt\"Health\"\x1fln(0,3)-(600,32767)\x1f"
                                     "cu(0,72)-(60,0)\x1f"
                                     "cuXXX\x1f"
                                     "bs3\x1f"));
    EXPECT_TRUE(out.isEmpty());
}

TEST(RecordWriter, TextIsWindows1252WithoutControlCharacters) {
    EXPECT_EQ(toWindows1252(QStringLiteral("caf\u00e9 \u20ac5 \u2022")), QByteArray("caf\xe9 \x80"
                                                                                    "5 \x95"));
    EXPECT_EQ(toWindows1252(QStringLiteral("a\x1f"
                                           "b\nc\u4e2d")),
              QByteArray("a?b?c?"));
}

TEST(Glyphs, EveryDefinitionIsAFullPatternOfDigits) {
    const QList<int> numbers = glyphNumbers();
    EXPECT_EQ(numbers.size(), QSet<int>(numbers.begin(), numbers.end()).size());
    for (int n : numbers) {
        const QByteArray digits = glyphDigits(n);
        ASSERT_EQ(digits.size(), 16 * 33);
        EXPECT_GT(digits.count('1'), 10) << n;
        EXPECT_EQ(digits.count('0') + digits.count('1'), digits.size());
        EXPECT_TRUE(n <= 30 && n != 0);
    }
    RecordWriter out;
    out.defineGlyph(5, glyphDigits(5));
    EXPECT_TRUE(out.bytes().startsWith("cd05:"));
    EXPECT_EQ(out.bytes().size(), 2 + 3 + 528 + 1);
}

TEST(Panels, ChestAndTabStripClearsAreTheOnlyTriggers) {
    RecordWriter out;
    panels::showChest(out);
    EXPECT_EQ(out.take(), QByteArray("lc(180,40)\x1f"
                                     "cw20\x1f"));
    panels::hideChest(out);
    EXPECT_TRUE(out.take().startsWith("cr(255,"));
    panels::clearPlayerNote(out);
    EXPECT_TRUE(out.take().startsWith("cr(0,436)"));
}

TEST(WorldPlans, AreasFitTheScreenAndJoinAtTheirEdges) {
    for (int a = 0; a < world::areas().size(); ++a) {
        const Area& area = world::area(a);
        ASSERT_EQ(area.plan.size(), world::kRows) << area.name.toStdString();
        for (const QString& row : area.plan) ASSERT_EQ(row.size(), world::kColumns) << area.name.toStdString();
        EXPECT_LE(area.name.size(), 22);
        // An opening on an edge leads somewhere, and only there.
        for (int y = 0; y < world::kRows; ++y) {
            for (int x = 0; x < world::kColumns; ++x) {
                const bool edge = x == 0 || y == 0 || x == world::kColumns - 1 || y == world::kRows - 1;
                if (!edge || !world::isWalkable(world::tileAt({a, {x, y}}))) continue;
                const QPoint out(x == 0                     ? -1
                                 : x == world::kColumns - 1 ? 1
                                                            : 0,
                                 y == 0                  ? -1
                                 : y == world::kRows - 1 ? 1
                                                         : 0);
                EXPECT_TRUE(world::step({a, {x, y}}, out).has_value())
                    << area.name.toStdString() << " " << x << "," << y;
            }
        }
        for (char digit : area.groups.keys())
            EXPECT_EQ(QString(area.plan.join("")).count(QChar(digit)), 1) << area.name.toStdString() << digit;
    }
}

TEST(WorldPlans, EveryWalkableCellCanBeReachedFromTheStart) {
    auto id = [](const Place& p) { return p.area * 10000 + p.cell.y() * 100 + p.cell.x(); };
    QSet<int> seen{id(world::startPlace())};
    QQueue<Place> queue;
    queue.enqueue(world::startPlace());
    while (!queue.isEmpty()) {
        const Place place = queue.dequeue();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const auto next = world::step(place, d);
            if (next && !seen.contains(id(*next))) {
                seen.insert(id(*next));
                queue.enqueue(*next);
            }
        }
    }
    for (int a = 0; a < world::areas().size(); ++a) {
        for (int y = 0; y < world::kRows; ++y) {
            for (int x = 0; x < world::kColumns; ++x) {
                if (world::isWalkable(world::tileAt({a, {x, y}}))) {
                    EXPECT_TRUE(seen.contains(id({a, {x, y}})))
                        << world::area(a).name.toStdString() << " " << x << "," << y;
                }
            }
        }
    }
}
