// Long random play by two players at their clients: however it goes, what
// each client shows agrees with the game, and the stream stays well formed.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QRegularExpression>
#include <random>

#include "catalog.h"
#include "key_codes.h"
#include "screen_layout.h"
#include "test_player.h"

using namespace quorlak::server;
using quorlak::server::test::TestPlayer;

namespace {

const QString kBullet = QStringLiteral("\u2022");

// One random key or command, as a player bashing at the client might send.
void randomAction(TestPlayer& player, std::mt19937& random) {
    static const QStringList commands = {"U3",  "U5",  "P1",     "P2",       "P3",    "G4",    "X2,5",
                                         "X1,", "bi6", "say hi", "shout ho", "Mpann", "Mpjoe", "1",
                                         "2",   "7",   "U",      "P",        "zzz",   "bi",    "help"};
    const int roll = int(random() % 100);
    if (roll < 55) {
        player.press(vkey::Left + int(random() % 4));
    } else if (roll < 70) {
        player.press(vkey::Enter);
    } else if (roll < 80) {
        const int selectors[] = {'1', '2', '3', '4', '5', '6', 'S', 'C', 'A', 'E', 'Q'};
        player.press(vkey::F7);
        player.press(selectors[random() % 11], int(random() % 2));
    } else if (roll < 92) {
        player.enter(commands[int(random() % commands.size())]);
    } else {
        const int keys[] = {vkey::F1, vkey::F5, vkey::Escape, vkey::PageUp, vkey::PageDown, vkey::Backspace, 'Q', 'I'};
        player.press(keys[random() % 8], roll % 3 == 0 ? key_mask::Control : 0);
    }
}

// What the client shows agrees with the player's game.
void expectClientAgrees(const TestPlayer& player, int users) {
    const QJsonObject state = player.state();
    const Character& c = player.session.character();
    const std::string who = player.session.name().toStdString();
    EXPECT_EQ(state["caption"].toString(), world::area(player.session.place().area).name) << who;
    EXPECT_EQ(state["gaugenow"].toInt(), c.health) << who;
    EXPECT_EQ(state["gaugemax"].toInt(), c.maxHealth()) << who;
    EXPECT_EQ(state["expnow"].toInteger(), c.experience) << who;
    EXPECT_EQ(state["lastusers"].toInt(), users) << who;
    EXPECT_EQ(state["logging"].toBool(), player.session.isFighting()) << who;
    for (const auto& value : state["gridmess"].toObject()["rows"].toArray()) {
        const QJsonObject row = value.toObject();
        const QString kind = row["kind"].toString();
        EXPECT_TRUE(kind.isEmpty() || kind == "I" ||
                    ((kind == "R" || kind == "G" || kind == "P") &&
                     QStringList({"Joe", "Ann"}).contains(row["name"].toString().trimmed())))
            << who << " misread message: " << row["line"].toString().toStdString();
    }
    if (const auto& fight = player.session.fight()) {
        const QJsonArray slotLines = state["slottext"].toArray();
        for (int slot = 1; slot <= fight->foes.size(); ++slot)
            EXPECT_TRUE(slotLines[slot].toString().startsWith(QString::number(slot) + ' ')) << who << slot;
        EXPECT_EQ(player.client.redSlots(), fight->isPeaceful() ? QList<int>() : QList<int>{fight->target}) << who;
    }
}

// The pack as the client lists it after its bulk request, marks included.
void expectListedPack(TestPlayer& player) {
    player.press('I', key_mask::Control);
    const Character& c = player.session.character();
    for (int number = 1; number <= Character::kPackSize; ++number) {
        const PackSlot& slot = c.pack[number - 1];
        const QJsonObject row = player.itemRow(number);
        const QString name = slot.isEmpty() ? QString() : itemType(slot.type).name;
        EXPECT_EQ(row["text"].toString(), QStringLiteral("%1.%2").arg(number, 2).arg(name));
        const bool worn = number - 1 == c.weaponSlot || number - 1 == c.armourSlot;
        EXPECT_EQ(row["mark"].toString(), worn ? kBullet : slot.banked ? "B" : "") << number;
    }
}

// Records that leave the stream unfinished or draw off the display.
QStringList offTheDisplay(const QByteArray& stream) {
    QStringList problems;
    QList<QByteArray> records = stream.split('\x1f');
    if (!records.takeLast().isEmpty()) problems << "the stream ends inside a record";
    int x = 0;
    for (const QByteArray& record : records) {
        QList<int> numbers;
        for (const auto& match : QRegularExpression("\\d+").globalMatch(QString::fromLatin1(record.mid(2))))
            numbers << match.captured().toInt();
        if (QByteArray("lc ps ln bx fx cr ce").contains(record.left(2)) &&
            std::any_of(numbers.begin(), numbers.end(), [](int n) { return n > layout::kDisplayRight; }))
            problems << QString::fromLatin1(record);
        if (record.startsWith("lc")) x = numbers.value(0);
        if ((record.startsWith("pt") || record.startsWith("po")) &&
            x + (record.size() - 4) * layout::kCharWidth > layout::kDisplayRight + 1)
            problems << QString::fromLatin1(record);
    }
    return problems.mid(0, 20);
}

}  // namespace

TEST(LongPlay, TheClientsKeepAgreeingWithTheGame) {
    Realm realm;
    TestPlayer joe(realm, 21);
    TestPlayer ann(realm, 22);
    joe.enter("Joe");
    ann.enter("Ann");
    std::mt19937 random(99);
    for (int i = 1; i <= 1500; ++i) {
        randomAction(joe, random);
        randomAction(ann, random);
        if (i % 100 == 0) {
            expectClientAgrees(joe, 2);
            expectClientAgrees(ann, 2);
        }
    }
    for (TestPlayer* player : {&joe, &ann}) {
        EXPECT_GT(player->session.character().moves, 100);
        EXPECT_EQ(player->state()["beeps"].toInt(), player == &joe ? 1 : 0);
        EXPECT_EQ(offTheDisplay(player->stream).join('\n').toStdString(), "");
        expectListedPack(*player);
    }
}

TEST(LongPlay, TheSameSeedAndKeysGiveTheSameStream) {
    auto play = [](quint64 seed) {
        Realm realm;
        TestPlayer joe(realm, seed);
        joe.enter("Joe");
        std::mt19937 random(5);
        for (int i = 0; i < 600; ++i) randomAction(joe, random);
        return joe.stream;
    };
    const QByteArray first = play(4);
    EXPECT_EQ(play(4), first);
    EXPECT_NE(play(5), first);
}
