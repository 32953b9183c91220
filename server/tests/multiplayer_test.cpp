// Several players in one realm.

#include "catalog.h"
#include "screen_layout.h"
#include "test_player.h"

#include <gtest/gtest.h>

using namespace quorlak::server;

namespace {

struct TwoPlayers : ::testing::Test {
    Realm realm;
    TestPlayer joe{realm, 1};
    TestPlayer ann{realm, 2};

    void SetUp() override {
        joe.enter("Joe");
        ann.enter("Ann");
    }
};

}  // namespace

TEST_F(TwoPlayers, SecondPlayerRaisesTheUserCountAndSoundsTheWarning) {
    EXPECT_EQ(joe.view.lastUsers, 2);
    EXPECT_EQ(joe.view.beeps, 1);
    EXPECT_EQ(ann.view.lastUsers, 2);
    EXPECT_EQ(ann.view.beeps, 0);
    EXPECT_TRUE(joe.view.playerNotes.contains("Player is here: Ann"));
}

TEST_F(TwoPlayers, NamesAreUnique) {
    TestPlayer copy(realm, 3);
    copy.enter("joe");
    EXPECT_FALSE(copy.session.isPlaying());
    EXPECT_TRUE(copy.hasMessage("already here"));
    copy.enter("");
    EXPECT_EQ(copy.session.name(), "Wanderer");
}

TEST_F(TwoPlayers, TalkArrivesWithKindAndNameFields) {
    joe.enter("say well met");
    const auto& heard = ann.view.messages.last();
    EXPECT_EQ(heard.kind, "R");
    EXPECT_EQ(heard.name, "Joe" + QString(18, ' '));
    EXPECT_EQ(heard.text, "well met");

    ann.enter("shout anyone here?");
    EXPECT_EQ(joe.view.messages.last().kind, "G");
}

TEST_F(TwoPlayers, AnsweringAMessageRowReachesTheSender) {
    joe.enter("Mpann");
    joe.enter("meet me at the gate");
    const auto& message = ann.view.messages.last();
    EXPECT_EQ(message.kind, "P");
    EXPECT_EQ(message.text, "meet me at the gate");
    // Selecting that row sends "Mp", the name field as it stands, and Enter.
    ann.enter("Mp" + message.name);
    ann.enter("on my way");
    EXPECT_EQ(joe.view.messages.last().kind, "P");
    EXPECT_EQ(joe.view.messages.last().text, "on my way");
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
    EXPECT_TRUE(joe.view.playerNotes.contains("Player is gone: Ann"));
    {
        TestPlayer bob(realm, 4);
        bob.enter("Bob");
        EXPECT_EQ(joe.view.lastUsers, 3);
    }
    EXPECT_EQ(joe.view.lastUsers, 2);
    EXPECT_TRUE(joe.hasMessage("Bob has left"));
}
