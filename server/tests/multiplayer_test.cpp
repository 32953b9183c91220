// Several players in one realm, each at a client of their own.

#include <gtest/gtest.h>

#include "key_codes.h"
#include "screen_layout.h"
#include "test_player.h"

using namespace quorlak::server;
using quorlak::server::test::TestPlayer;

namespace {

struct TwoPlayers : ::testing::Test {
    Realm realm;
    TestPlayer joe{realm, 1};
    TestPlayer ann{realm, 2};

    void SetUp() override {
        joe.enter("Joe");
        ann.enter("Ann");
    }
    static QJsonObject lastMessage(const TestPlayer& player) { return player.messages().last().toObject(); }
};

}  // namespace

TEST_F(TwoPlayers, TheSecondPlayerRaisesTheCountAndSoundsTheWarningOnce) {
    EXPECT_EQ(joe.state()["lastusers"].toInt(), 2);
    EXPECT_EQ(joe.state()["beeps"].toInt(), 1);
    EXPECT_EQ(ann.state()["lastusers"].toInt(), 2);
    EXPECT_EQ(ann.state()["beeps"].toInt(), 0);
    EXPECT_TRUE(joe.hasMessage("Player is here: Ann"));
}

TEST_F(TwoPlayers, ANewPlayerIsAskedForAUniqueNameAndEnterAlonePicksOne) {
    TestPlayer copy(realm, 3);
    // Custom characters come first: the first one starts the client reading text.
    EXPECT_TRUE(copy.stream.startsWith("cs\037cd"));
    EXPECT_LT(copy.stream.indexOf("\037cd"), copy.stream.indexOf("\037pt"));
    EXPECT_TRUE(copy.state()["cdseen"].toBool());
    // The name is asked for in the top band.
    EXPECT_EQ(copy.state()["boxleft"].toInt(), layout::kInputTextX);
    EXPECT_EQ(copy.state()["boxtop"].toInt(), layout::kInputTop);
    EXPECT_LT(copy.state()["boxtop"].toInt(), layout::kBandTop);
    copy.enter("J");  // a notice whose first word is one letter is no talk
    EXPECT_EQ(lastMessage(copy)["kind"].toString(), "");
    EXPECT_TRUE(lastMessage(copy)["text"].toString().contains("A name needs at least two letters"));
    copy.enter("joe");
    EXPECT_FALSE(copy.session.isPlaying());
    EXPECT_TRUE(copy.hasMessage("already here"));
    copy.enter("");
    EXPECT_EQ(copy.session.name(), "Wanderer");
    EXPECT_EQ(copy.state()["caption"].toString(), "Quorlak Town");
}

TEST_F(TwoPlayers, TalkArrivesWithItsKindAndNameAndPickingAMessageAnswersIt) {
    joe.enter("say well met");
    EXPECT_EQ(lastMessage(ann)["kind"].toString(), "R");
    EXPECT_EQ(lastMessage(ann)["name"].toString(), "Joe" + QString(18, ' '));
    EXPECT_EQ(lastMessage(ann)["text"].toString(), "well met");
    ann.enter("shout anyone here?");
    EXPECT_EQ(lastMessage(joe)["kind"].toString(), "G");
    EXPECT_EQ(lastMessage(joe)["text"].toString(), "anyone here?");

    joe.enter("Mpann");
    joe.enter("meet me at the gate");
    EXPECT_EQ(lastMessage(ann)["kind"].toString(), "P");
    EXPECT_EQ(lastMessage(ann)["text"].toString(), "meet me at the gate");
    // The client answers the selected row with "Mp", its name field and Enter.
    ann.act(QStringLiteral(R"({"select": "gridmess", "row": %1})").arg(ann.messages().size() - 1).toStdString());
    ann.enter("on my way");
    EXPECT_EQ(lastMessage(joe)["kind"].toString(), "P");
    EXPECT_EQ(lastMessage(joe)["text"].toString(), "on my way");
}

TEST_F(TwoPlayers, GivingMovesTheItemToThePlayerHere) {
    const int before = ann.session.character().itemCount();
    joe.enter("G5");  // the healing potion
    EXPECT_EQ(ann.session.character().itemCount(), before + 1);
    EXPECT_TRUE(ann.hasMessage("Joe gives you a Healing potion"));
    EXPECT_TRUE(joe.session.character().pack[4].isEmpty());
}

TEST_F(TwoPlayers, PlayersSeeEachOtherComeAndGo) {
    ann.walkTo({1, {1, 5}});  // into the next area
    EXPECT_TRUE(joe.hasMessage("Player is gone: Ann"));
    // The note covers the client's tab strip until the next key clears it.
    EXPECT_FALSE(joe.state()["tabstrip"].toObject()["visible"].toBool());
    joe.press(vkey::Right);
    EXPECT_TRUE(joe.state()["tabstrip"].toObject()["visible"].toBool());
    {
        TestPlayer bob(realm, 4);
        bob.enter("Bob");
        EXPECT_EQ(joe.state()["lastusers"].toInt(), 3);
    }
    EXPECT_EQ(joe.state()["lastusers"].toInt(), 2);
    EXPECT_TRUE(joe.hasMessage("Bob has left"));
    EXPECT_EQ(joe.state()["beeps"].toInt(), 1);
}
