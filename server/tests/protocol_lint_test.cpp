// Long random play by two players, checked record by record for anything the
// client would misread: text where it takes it for something else, drawing
// that sets off one of its side effects by accident, malformed records.

#include "test_player.h"

#include <gtest/gtest.h>
#include <random>

using namespace quorlak::server;

namespace {

bool inSlotRows(int y) { return y >= 123 && y <= 145; }

bool isNumberedLine(const QString& text) {
    return text.size() >= 3 && text[2] == '.' && clientNumber(text.left(2)) > 0;
}

QStringList lint(const ClientView& view) {
    QStringList problems;
    auto problem = [&](const QString& what, const Record& r) {
        if (problems.size() < 20) problems << what + ": " + QString::fromLatin1(r.code + r.argument);
    };
    QPoint at;
    bool logging = false;
    bool numberedShown = false;
    bool lastTextNumbered = false;
    for (const Record& r : view.records) {
        const auto c = coordinates(r.argument);
        const bool geometric = QByteArray("lc ps ln bx fx cr ce").contains(r.code);
        if (geometric && (c[0] > 512 || c[1] > 512 || c[2] > 512 || c[3] > 512)) problem("off the display", r);
        if (r.code == "lc") {
            at = {c[0], c[1]};
        } else if (r.code == "cw") {
            const int n = r.argument.toInt();
            if (n == 22 || n == 23) logging = true;
            if (n == 20 && at.y() >= 222) problem("chest picture too low to show", r);
        } else if (r.code == "cr") {
            if (c[1] == 436 && r.argument != "(0,436)-(511,453)") problem("clear that would show the tab strip", r);
            else if (c[0] == 221) {
                if (!logging) problem("log end without a start", r);
                logging = false;
            } else if (c[0] == 255 && r.argument != "(255,40)-(180,69)") problem("clear that would erase the chest", r);
            if (r.argument == "(170,200)-(511,438)") numberedShown = false;
        } else if (r.code == "fx") {
            if ((c[2] - c[0]) + (c[3] - c[1]) < 21 && c[1] > 200 && !lastTextNumbered)
                problem("small box that marks a list row", r);
        } else if (r.code == "ln") {
            if (inSlotRows(c[1]) && inSlotRows(c[3])) {
                const bool marker =
                    (c[0] == 4 || c[0] == 152) && c[2] == c[0] + 8 && c[1] == c[3] && (c[1] == 131 || c[1] == 143);
                if (!marker) problem("line that highlights a slot", r);
            }
        } else if (r.code == "pt" || r.code == "po") {
            const QString text = QString::fromLatin1(r.argument.mid(1, r.argument.size() - 2));
            if (r.argument.size() < 2 || r.argument.front() != '"' || r.argument.back() != '"')
                problem("undelimited text", r);
            for (QChar ch : text) {
                if (ch.unicode() < 32) problem("control character in text", r);
            }
            const int x = at.x();
            const int y = at.y();
            lastTextNumbered = false;
            if (y > 452) {
                if (!text.startsWith(' ')) problem("message without the blank the client drops", r);
            } else if (y >= 439) {
                if (!text.startsWith(QLatin1String("Player is "))) problem("player band text", r);
            } else if (y >= 193 && x >= 170) {
                if (isNumberedLine(text)) {
                    numberedShown = true;
                    lastTextNumbered = true;
                } else if (text == QLatin1String("B")) {
                    lastTextNumbered = true;
                } else if (numberedShown) {
                    problem("heading after a list's numbered lines", r);
                }
            } else if (y >= 193) {
                if (x > 70 && y > 335 && y < 401 && x != 80) problem("status text in the red condition place", r);
            } else if (y >= 92) {
                const int first = int(clientNumber(text.left(1)));
                const bool slot = (x == 16 || x == 164) && (y == 128 || y == 144);
                const bool users = x == 392 && y == 180 && text.contains(QLatin1String(" user"));
                if (first > 0 && first < 5 && !slot && !users) problem("band line the client takes for a foe slot", r);
                if (text.contains(QLatin1String(" user")) && !users)
                    problem("band line the client takes for a user count", r);
            } else if (y < 16 && x < 170 && text.contains(' ') && text.contains(',')) problem("odd window title", r);
        }
    }
    return problems;
}

// One random key, as a player bashing at the client might send.
void randomKey(TestPlayer& player, std::mt19937& random) {
    static const QStringList commands = {"U3",  "U5",  "P1",     "P2",       "P3",    "G4",    "X2,5",
                                         "X1,", "bi6", "say hi", "shout ho", "Mpann", "Mpjoe", "1",
                                         "2",   "7",   "U",      "P",        "zzz",   "bi",    "help"};
    const int roll = int(random() % 100);
    if (roll < 55) {
        const int arrows[] = {vkey::Left, vkey::Up, vkey::Right, vkey::Down};
        player.press(arrows[random() % 4]);
    } else if (roll < 70) {
        player.press(vkey::Enter);
    } else if (roll < 80) {
        const int selectors[] = {'1', '2', '3', '4', '5', '6', 'S', 'C', 'A', 'E', 'Q'};
        player.listKey(selectors[random() % 11], int(random() % 2));
    } else if (roll < 92) {
        player.enter(commands[int(random() % commands.size())]);
    } else {
        const int keys[] = {vkey::F1, vkey::F5, vkey::Escape, vkey::PageUp, vkey::PageDown, vkey::Backspace, 'Q', 73};
        player.press(keys[random() % 8], roll % 3 == 0 ? key_mask::Control : 0);
    }
}

}  // namespace

TEST(ProtocolLint, LongRandomPlayStaysReadable) {
    Realm realm;
    TestPlayer joe(realm, 21);
    TestPlayer ann(realm, 22);
    joe.enter("Joe");
    ann.enter("Ann");
    std::mt19937 random(99);
    for (int i = 0; i < 2000; ++i) {
        randomKey(joe, random);
        randomKey(ann, random);
    }
    for (TestPlayer* player : {&joe, &ann}) {
        EXPECT_EQ(lint(player->view).join('\n').toStdString(), "") << player->session.name().toStdString();
        EXPECT_TRUE(player->view.endsWithSeparator);
        // However it went, the panels agree with the game.
        const Character& c = player->session.character();
        EXPECT_EQ(player->view.gaugeNow, c.health);
        EXPECT_EQ(player->view.gaugeMax, c.maxHealth());
        EXPECT_EQ(player->view.food, c.food);
        EXPECT_EQ(player->view.experience, c.experience);
        EXPECT_EQ(player->view.title, world::area(player->session.place().area).name);
        EXPECT_EQ(player->view.logging, player->session.isFighting());
        EXPECT_GT(c.moves, 100);
    }
}

TEST(ProtocolLint, SameSeedAndKeysGiveTheSameStream) {
    auto play = [](quint64 seed) {
        Realm realm;
        TestPlayer joe(realm, seed);
        joe.enter("Joe");
        std::mt19937 random(5);
        for (int i = 0; i < 800; ++i) randomKey(joe, random);
        return joe.stream;
    };
    const QByteArray first = play(4);
    EXPECT_EQ(play(4), first);
    EXPECT_NE(play(5), first);
}
