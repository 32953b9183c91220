// The record encoding, the custom characters, and the status lines the real
// client reads numbers from.

#include <gtest/gtest.h>

#include <QSet>

#include "character.h"
#include "client_screen.h"
#include "glyphs.h"
#include "panels.h"

using namespace quorlak::server;
using quorlak::server::test::ClientScreen;

TEST(RecordWriter, EncodesRecordsTextAndCustomCharacters) {
    RecordWriter out;
    out.clearScreen();
    out.textAt(10, 204, "Health");
    out.line(-5, 3, 600, 40000);
    out.placeInput(0, 72, 60);
    out.returnToInput();
    out.eraseInput(3);
    out.defineGlyph(5, glyphDigits(5));
    EXPECT_EQ(out.take(), QByteArray("cs\x1flc(10,204)\x1fpt\"Health\"\x1fln(0,3)-(600,32767)\x1f"
                                     "cu(0,72)-(60,0)\x1f"
                                     "cuXXX\x1f"
                                     "bs3\x1f"
                                     "cd05:") +
                              glyphDigits(5) + '\x1f');
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(toWindows1252(QStringLiteral("caf\u00e9 \u20ac5 \u2022")), QByteArray("caf\xe9 \x80"
                                                                                    "5 \x95"));
    EXPECT_EQ(toWindows1252(QStringLiteral("a\x1f"
                                           "b\nc\u4e2d")),
              QByteArray("a?b?c?"));
    // Each custom character is defined once, with a full pattern.
    const QList<int> numbers = glyphNumbers();
    EXPECT_EQ(numbers.size(), QSet<int>(numbers.begin(), numbers.end()).size());
    for (int n : numbers) {
        const QByteArray digits = glyphDigits(n);
        ASSERT_EQ(digits.size(), glyph::kColumns * glyph::kRows);
        EXPECT_EQ(digits.count('0') + digits.count('1'), digits.size());
        EXPECT_GT(digits.count('1'), 10) << n;
        EXPECT_TRUE(n > 0 && n <= 30) << n;  // the client keeps characters 1 to 30
    }
}

TEST(StatusColumn, TheClientReadsHealthAndExperienceFromIt) {
    const struct {
        int level, health;
        qint64 experience;
    } cases[] = {{1, 0, 0}, {1, 30, 999}, {3, 25, 12345}, {50, 1, 1234567}, {97, 990, 2000000000}};
    for (const auto& c : cases) {
        Character character;
        character.level = c.level;
        character.health = c.health;
        character.experience = c.experience;
        RecordWriter out;
        out.defineGlyph(1, glyphDigits(1));  // the game screen begins
        panels::drawStatusColumn(out, character, {});
        ClientScreen client;
        client.receive(out.take());
        const QJsonObject state = client.state();
        EXPECT_EQ(state["gaugenow"].toInt(), c.health) << c.level;
        EXPECT_EQ(state["gaugemax"].toInt(), character.maxHealth()) << c.level;
        EXPECT_EQ(state["expnow"].toInteger(), c.experience);
    }
}
