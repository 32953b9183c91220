// Fights: their rules, how the real client shows them, and one played through.

#include <gtest/gtest.h>

#include <QJsonArray>

#include "catalog.h"
#include "character.h"
#include "encounter_view.h"
#include "fight.h"
#include "glyphs.h"
#include "key_codes.h"
#include "random.h"
#include "screen_layout.h"
#include "test_player.h"

using namespace quorlak::server;
using quorlak::server::test::ClientScreen;
using quorlak::server::test::TestPlayer;

namespace {

QStringList slotTexts(const QJsonObject& state) {
    QStringList texts;
    for (const auto& text : state["slottext"].toArray()) texts << text.toString();
    return texts;
}

}  // namespace

TEST(FightRules, KillsGiveExperienceAndLevelsAndGhostsDrainIt) {
    Character you;
    Random random(3);
    Fight goblin({creature::Goblin}, 0);
    for (int round = 0; round < 50 && !goblin.isOver(); ++round) goblin.attack(you, random);
    EXPECT_EQ(you.experience, creatureType(creature::Goblin).experience);
    EXPECT_EQ(you.kills, 1);
    you.experience = you.experienceForNextLevel() - 1;
    you.health = 1;
    EXPECT_EQ(you.gainExperience(1), 1);
    EXPECT_EQ(you.level, 2);
    EXPECT_EQ(you.health, you.maxHealth());

    const qint64 before = you.experience;
    you.health = 1000;
    Fight ghost({creature::Ghost}, 0);
    for (int round = 0; round < 40 && you.experience == before; ++round) ghost.foesTurn(you, random);
    EXPECT_LT(you.experience, before);
}

TEST(FightRules, GiftsAndThievesFollowTheirCreatures) {
    Character you;
    Random random(1);
    Fight wolves({creature::ArcticWolf, creature::Goblin}, 0);
    const int ration = 2;  // third slot of the starting pack
    ASSERT_EQ(you.pack[ration].type, item::Ration);
    wolves.offer(you, random, ration);  // hungry beasts take food and leave
    EXPECT_EQ(wolves.foes[0].state, Foe::State::Gone);
    EXPECT_TRUE(you.pack[ration].isEmpty());
    EXPECT_EQ(wolves.target, 2);

    Fight merman({creature::Merman}, 0);
    EXPECT_TRUE(merman.isPeaceful());
    const int ring = you.addItem(item::SilverRing);
    merman.offer(you, random, ring);
    EXPECT_TRUE(merman.isOver());
    const int reward = you.pack[ring].type;  // the freed slot takes the reward
    EXPECT_TRUE(reward == item::FrostBlade || reward == item::DragonScale);

    you.gold = 0;
    you.health = 1000;
    const int sapphire = you.addItem(item::Sapphire);
    you.pack[sapphire].banked = true;
    Fight thief({creature::Thief}, 0);
    for (int round = 0; round < 30; ++round) thief.foesTurn(you, random);
    EXPECT_EQ(you.pack[sapphire].type, item::Sapphire);
    EXPECT_FALSE(thief.isOver());  // nothing to take, so it stayed to fight
}

TEST(EncounterView, TheClientReadsSlotsHighlightsOnlyTheMarkedOneAndLogsTheFight) {
    Fight fight({creature::ArcticWolf, creature::ArcticWolf, creature::Ghost, creature::Goblin}, 0);
    RecordWriter out;
    out.defineGlyph(1, glyphDigits(1));
    encounter_view::drawStart(out, fight);
    // Animations draw lines too, but never ones the client takes for a marker.
    for (int slot = 1; slot <= 4; ++slot) encounter_view::drawBolt(out, fight, slot);
    encounter_view::showDeath(out, 4);
    ClientScreen client;
    client.receive(out.take());
    QJsonObject state = client.state();
    EXPECT_TRUE(state["logging"].toBool());
    EXPECT_EQ(slotTexts(state), QStringList({"", "1 Furry Husky  12", "2 Furry Husky  12", "3 Ghost        14",
                                             "4 Goblin        8"}));  // the client renames wolves
    EXPECT_EQ(client.redSlots(), QList<int>{1});

    for (int slot = 2; slot <= 4; ++slot) {  // the marker moves on
        encounter_view::clearMarker(out, slot - 1);
        encounter_view::drawSlot(out, fight, slot - 1);
        encounter_view::drawMarker(out, slot);
        client.receive(out.take());
        EXPECT_EQ(client.redSlots(), QList<int>{slot});
    }

    encounter_view::drawEnd(out, false);
    client.receive(out.take());
    state = client.state();
    EXPECT_FALSE(state["logging"].toBool());
    EXPECT_TRUE(state["log"].toObject()["text"].toString().contains("3 Ghost        14"));
}

TEST(SessionFight, WalkingIntoCreaturesPlaysAWholeFightTheClientFollows) {
    Realm realm;
    TestPlayer joe(realm, 11);
    auto ann = std::make_unique<TestPlayer>(realm, 12);
    joe.enter("Joe");
    ann->enter("Ann");
    joe.walkTo({world::areaAt({1, 0}), {14, 6}});  // the wolf's den
    ASSERT_TRUE(joe.session.isFighting());
    EXPECT_EQ(joe.client.redSlots(), QList<int>{1});
    // The client also takes "1 user online" for slot 1; the foe's line follows it.
    ann.reset();
    QJsonObject state = joe.state();
    EXPECT_EQ(state["lastusers"].toInt(), 1);
    EXPECT_TRUE(slotTexts(state)[1].startsWith("1 Furry Husky")) << slotTexts(state)[1].toStdString();

    for (int i = 0; i < 300 && joe.session.isFighting(); ++i) joe.press(vkey::Enter);
    ASSERT_FALSE(joe.session.isFighting());
    state = joe.state();
    EXPECT_FALSE(state["logging"].toBool());
    EXPECT_GT(state["log"].toObject()["text"].toString().count("\r\n"), 3);
    const Character& c = joe.session.character();
    EXPECT_TRUE(c.kills > 0 || c.deaths > 0);
    EXPECT_EQ(state["expnow"].toInt(), c.experience);
    EXPECT_EQ(state["gaugenow"].toInt(), c.health);
}
