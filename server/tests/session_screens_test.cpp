// One player's screens, as the real client shows them and acts on them.

#include <gtest/gtest.h>

#include "key_codes.h"
#include "screen_layout.h"
#include "test_player.h"

using namespace quorlak::server;
using quorlak::server::test::TestPlayer;

namespace {

struct SessionScreens : ::testing::Test {
    Realm realm;
    TestPlayer joe{realm};

    void SetUp() override { joe.enter("Joe"); }

    QString rowText(int number) const { return joe.itemRow(number)["text"].toString(); }
    QString rowMark(int number) const { return joe.itemRow(number)["mark"].toString(); }
    // Right-clicks list row `number` and picks an action from the pop-up menu.
    void itemAction(int number, const char* menu) {
        const int shown = number - 1 - joe.state()["griditems"].toObject()["toprow"].toInt();
        joe.act(
            QStringLiteral(R"({"mousedown": "griditems", "button": 2, "y": %1})").arg(shown * 240 + 120).toStdString());
        joe.act(QStringLiteral(R"({"menu": "%1"})").arg(menu).toStdString());
    }
};

const QString kBullet = QStringLiteral("\u2022");

}  // namespace

TEST_F(SessionScreens, TabsShowTheirListsAndTheMapHidesThem) {
    const QStringList firstRows = {"", " 1.Level", " 1.Frost bolt", " 1.Joe", " 1.You at", " 1.Joe"};
    for (int tab = 2; tab <= 6; ++tab) {
        joe.act(QStringLiteral(R"({"tab": %1})").arg(tab).toStdString());
        EXPECT_TRUE(rowText(1).startsWith(firstRows[tab - 1])) << tab << " " << rowText(1).toStdString();
        EXPECT_TRUE(joe.state()["griditems"].toObject()["visible"].toBool());
    }
    EXPECT_TRUE(rowText(14).startsWith("14."));
    joe.press(vkey::Right);
    EXPECT_FALSE(joe.state()["griditems"].toObject()["visible"].toBool());
}

TEST_F(SessionScreens, TheItemMenuUsesBanksAndSwapsTheRowPickedInTheList) {
    joe.press(vkey::F7);
    joe.press('1');
    itemAction(3, "mnuUse");
    EXPECT_TRUE(joe.hasMessage("You eat the Ration"));
    EXPECT_EQ(rowText(3), " 3.");

    itemAction(4, "mnuBank");
    EXPECT_EQ(rowMark(4), "B");
    EXPECT_TRUE(joe.session.character().pack[3].banked);
    itemAction(4, "mnuUse");
    EXPECT_TRUE(joe.hasMessage("in the bank"));
    itemAction(4, "mnuBank");
    EXPECT_EQ(rowMark(4), "");

    itemAction(1, "mnuXchange");
    joe.act(R"({"select": "griditems", "row": 4})");  // row 5
    EXPECT_EQ(rowText(1), " 1.Healing potion");
    EXPECT_EQ(rowText(5), " 5.Short sword");
    EXPECT_EQ(rowMark(5), kBullet);
    EXPECT_EQ(rowMark(1), "");
}

TEST_F(SessionScreens, TextBoxLinesAndQuestionsAnsweredByPickingARow) {
    joe.act(R"({"menu": "mnutextbox"})");
    joe.press(vkey::F5);  // a fresh input field opens the box
    ASSERT_TRUE(joe.state()["txtbox"].toObject()["visible"].toBool());
    joe.act(R"({"settext": "say the box sends long lines, X2,5 too"})");  // in paced writes
    joe.press(vkey::Enter);
    EXPECT_EQ(joe.messages().last().toObject()["text"].toString(), "'the box sends long lines, X2,5 too");
    joe.act(R"({"settext": "U"})");
    joe.press(vkey::Enter);
    joe.act(R"({"select": "griditems", "row": 3})");  // answers "Use which item?" with 4
    EXPECT_TRUE(joe.hasMessage("You eat the Ration"));
}

TEST_F(SessionScreens, TypingEchoesInTheFieldAndBackspaceErasesTheLastCharacter) {
    const auto field = [](int character) {
        return QRect(layout::kInputTextX + (character - 1) * layout::kCharWidth, layout::kInputTop, layout::kCharWidth,
                     14);
    };
    joe.type("ab");
    EXPECT_GT(joe.client.pixelsIn(field(1)), 0);
    EXPECT_GT(joe.client.pixelsIn(field(2)), 0);
    joe.press(vkey::Backspace);
    EXPECT_GT(joe.client.pixelsIn(field(1)), 0);
    EXPECT_EQ(joe.client.pixelsIn(field(2)), 0);
    joe.press(vkey::Escape);
    EXPECT_EQ(joe.client.pixelsIn(field(1)), 0);
}

TEST_F(SessionScreens, WalkingUsesFoodAndTheChestShowsWhileThePlayerStandsOnIt) {
    const QRect chest(layout::kChestLeft, layout::kChestTop, layout::kChestRight - layout::kChestLeft,
                      layout::kChestBottom - layout::kChestTop);
    EXPECT_EQ(joe.client.pixelsIn(chest), 0);
    joe.walkTo({0, {15, 2}});
    EXPECT_TRUE(joe.hasMessage("You open the chest"));
    const QJsonObject treasure = joe.messages().last().toObject();
    EXPECT_EQ(treasure["kind"].toString(), "I");
    EXPECT_TRUE(treasure["text"].toString().endsWith("gold coins"));
    EXPECT_EQ(joe.session.character().food, Character::kMaxFood - joe.session.character().moves / 2);
    EXPECT_GT(joe.client.pixelsIn(chest), 0);
    joe.press(vkey::Left);
    EXPECT_EQ(joe.client.pixelsIn(chest), 0);
}
