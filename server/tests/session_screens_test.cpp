// What a session draws, read back the way the client reads it.

#include "catalog.h"
#include "list_screens.h"
#include "screen_layout.h"
#include "screen_lines.h"
#include "test_player.h"

#include <gtest/gtest.h>

using namespace quorlak::server;

namespace {

struct SessionScreens : ::testing::Test {
    Realm realm;
    TestPlayer joe{realm};

    void SetUp() override { joe.enter("Joe"); }
};

int countCode(const ClientView& view, const char* code) {
    return int(
        std::count_if(view.records.begin(), view.records.end(), [&](const Record& r) { return r.code == code; }));
}

}  // namespace

TEST(SessionStart, ClearsThenDefinesCharactersBeforeAnyText) {
    Realm realm;
    TestPlayer player(realm);
    ASSERT_FALSE(player.view.records.isEmpty());
    EXPECT_EQ(player.view.records.first().code, "cs");
    EXPECT_EQ(player.view.records.at(1).code, "cd");
    EXPECT_FALSE(player.view.textBeforeFirstCd);
    EXPECT_TRUE(player.view.endsWithSeparator);
    EXPECT_EQ(player.view.title, "Duvur Quorlak");
    // The name prompt is an input field in the top band.
    EXPECT_EQ(player.view.input, QPoint(layout::kInputTextX, layout::kInputTop));
    EXPECT_LT(player.view.input.y() + 5, 92);
}

TEST_F(SessionScreens, TitleAndStatusColumnReadAsTheCharacter) {
    const Character& c = joe.session.character();
    EXPECT_EQ(joe.view.title, "Quorlak Town");
    EXPECT_EQ(joe.view.gaugeNow, c.health);
    EXPECT_EQ(joe.view.gaugeMax, c.maxHealth());
    EXPECT_EQ(joe.view.food, c.food);
    EXPECT_EQ(joe.view.experience, 0);
    EXPECT_EQ(joe.view.textsAt(layout::kGaugeY).size(), 1);
    for (const TextLine& line : joe.view.texts) {
        if (line.y == layout::kGaugeY || line.y == layout::kFoodY || line.y == layout::kExperienceY) {
            EXPECT_LT(line.x, 170);
            EXPECT_NE(line.x, 11);
        }
    }
}

TEST_F(SessionScreens, WalkingUsesFoodAndTheStatusFollows) {
    for (int i = 0; i < 6; ++i) joe.press(i % 2 ? vkey::Left : vkey::Right);
    EXPECT_EQ(joe.session.character().food, Character::kMaxFood - 3);
    EXPECT_EQ(joe.view.food, joe.session.character().food);
    EXPECT_EQ(joe.session.character().moves, 6);
}

TEST_F(SessionScreens, BulkListRequestFillsAllSixPages) {
    for (int page = 1; page <= 6; ++page) joe.listKey('0' + page);
    for (int row = 1; row <= 84; ++row) {
        ASSERT_EQ(joe.view.listRows[row].left(3), QStringLiteral("%1.").arg(row, 2)) << row;
    }
    EXPECT_EQ(joe.view.listRows[1], " 1.Short sword");
    EXPECT_EQ(joe.view.listRows[3], " 3.Ration");
    EXPECT_EQ(joe.view.listMarks[1], "\u2022");  // wielded
    EXPECT_EQ(joe.view.listMarks[2], "\u2022");  // worn
    EXPECT_TRUE(joe.view.listMarks[3].isEmpty());
    EXPECT_TRUE(joe.view.listVisible);
}

TEST_F(SessionScreens, PagesHaveFourteenNumberedLinesBelowTheirHeading) {
    joe.listKey('2');
    QList<TextLine> page;
    for (const TextLine& line : joe.view.texts) {
        if (line.x >= 170 && line.y >= 193 && line.y <= 438) page.append(line);
    }
    page = page.mid(page.size() - 15);
    EXPECT_EQ(page.first().text.left(4), "Pack");
    for (int i = 1; i < page.size(); ++i) {
        EXPECT_EQ(page[i].text, QStringLiteral("%1.").arg(14 + i, 2));
        EXPECT_GT(page[i].y, page[i - 1].y);
    }
}

TEST_F(SessionScreens, TabsShowTheirLists) {
    joe.listKey('S');  // status
    EXPECT_TRUE(joe.view.listRows[1].startsWith(" 1.Level"));
    EXPECT_TRUE(joe.view.listRows[14].startsWith("14.Moves"));
    joe.listKey('S', key_mask::Shift);  // spells
    EXPECT_TRUE(joe.view.listRows[1].startsWith(" 1.Frost bolt"));
    joe.listKey('C');  // company
    EXPECT_TRUE(joe.view.listRows[1].startsWith(" 1.Joe"));
    joe.listKey('A');  // area
    EXPECT_TRUE(joe.view.listRows[1].startsWith(" 1.You at"));
    joe.listKey('E');  // everyone
    EXPECT_TRUE(joe.view.listRows[1].startsWith(" 1.Joe"));
    EXPECT_TRUE(joe.view.listVisible);
    // Walking brings the map back, and the map's heading hides the list.
    joe.press(vkey::Right);
    EXPECT_FALSE(joe.view.listVisible);
    joe.press(vkey::F1);
    EXPECT_FALSE(joe.view.listVisible);
}

TEST_F(SessionScreens, BankingMarksTheRowAndKeepsTheItemFromUse) {
    joe.enter("bi3");
    EXPECT_EQ(joe.view.listMarks[3], "B");
    EXPECT_TRUE(joe.session.character().pack[2].banked);
    joe.enter("U3");
    EXPECT_TRUE(joe.hasMessage("in the bank"));
    joe.enter("bi3");
    EXPECT_TRUE(joe.view.listMarks[3].isEmpty());
}

TEST_F(SessionScreens, ExchangeSwapsRowsAndTheWornMarkMoves) {
    joe.enter("X1,3");
    EXPECT_EQ(joe.view.listRows[1], " 1.Ration");
    EXPECT_EQ(joe.view.listRows[3], " 3.Short sword");
    EXPECT_EQ(joe.view.listMarks[3], "\u2022");
    EXPECT_TRUE(joe.view.listMarks[1].isEmpty());
    // The client's two-step exchange: "X1," first, the second number later.
    joe.type("X1,");
    joe.enter("3");
    EXPECT_EQ(joe.view.listRows[1], " 1.Short sword");
}

TEST_F(SessionScreens, QuestionsTakeTheNumberAGridSelectionSends) {
    joe.listKey('1');
    joe.enter("U");
    joe.enter("3");  // selecting row 3 answers with its number
    EXPECT_TRUE(joe.hasMessage("You eat the Ration"));
    EXPECT_EQ(joe.view.listRows[3], " 3.");  // gone from the pack
}

TEST_F(SessionScreens, TypingEchoesAndBackspaceErases) {
    const int before = countCode(joe.view, "bs");
    joe.type("ab");
    EXPECT_EQ(joe.view.texts.last().text, "ab");
    EXPECT_EQ(joe.view.texts.last().x, layout::kInputTextX);
    joe.press(vkey::Backspace);
    EXPECT_EQ(countCode(joe.view, "bs"), before + 1);
    EXPECT_EQ(joe.view.records.at(joe.view.records.size() - 2).argument, "2");
    joe.press(vkey::Escape);
    EXPECT_EQ(joe.view.records.at(joe.view.records.size() - 2).argument, "1");
}

TEST_F(SessionScreens, MessagesReachTheClientsMessageList) {
    joe.enter("zork");
    const auto& notice = joe.view.messages.last();
    EXPECT_TRUE(notice.kind.isEmpty());
    EXPECT_TRUE(notice.text.contains("Unknown command"));
    joe.enter("say hello");
    EXPECT_EQ(joe.view.messages.last().text, "'hello");
}

TEST(ListScreens, DrawnListsNeverHideTheClientsList) {
    // Marks come right after their line; no heading follows the numbers.
    Character c;
    c.pack[4].banked = true;
    RecordWriter out;
    list_screens::draw(out, list_screens::inventoryPage(c, 1));
    ClientView view;
    view.cdSeen = true;
    view.feed(out.take());
    EXPECT_TRUE(view.listVisible);
    EXPECT_EQ(view.listMarks[5], "B");
    EXPECT_EQ(view.listMarks[1], "\u2022");
}

TEST_F(SessionScreens, EveryLineOfTheHelpAndTheListsFitsOnTheDisplay) {
    joe.press(vkey::F1);
    for (int key : {'S', 'C', 'A', 'E', '1', '2', '6'}) joe.listKey(key);
    joe.listKey('S', key_mask::Shift);
    for (const TextLine& line : joe.view.texts)
        EXPECT_LE(line.x + int(line.text.size()) * layout::kCharWidth, 512) << line.text.toStdString();
}
