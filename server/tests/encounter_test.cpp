// Fights: their rules, how they are drawn, and one played through a session.

#include "catalog.h"
#include "character.h"
#include "encounter_view.h"
#include "fight.h"
#include "random.h"
#include "screen_layout.h"
#include "test_player.h"

#include <gtest/gtest.h>

using namespace quorlak::server;

namespace {

ClientView readingClient() {
    ClientView view;
    view.cdSeen = true;  // as after any session start
    return view;
}

bool anyEvent(const QList<FightEvent>& events, FightEvent::Kind kind) {
    return std::any_of(events.begin(), events.end(), [&](const FightEvent& e) { return e.kind == kind; });
}

}  // namespace

TEST(EncounterView, SlotsPicturesAndMarkerWhereTheClientLooks) {
    Fight fight({creature::ArcticWolf, creature::ArcticWolf, creature::Ghost}, 0);
    RecordWriter out;
    encounter_view::drawStart(out, fight);
    ClientView view = readingClient();
    view.feed(out.take());

    EXPECT_EQ(view.logStarts, 1);
    EXPECT_TRUE(view.logging);
    EXPECT_EQ(view.slotText[1], "1 Furry Husky  12");  // the client renames wolves
    EXPECT_EQ(view.slotAt[1], QPoint(16, 128));
    EXPECT_EQ(view.slotAt[2], QPoint(16, 144));
    EXPECT_EQ(view.slotText[3], "3 Ghost        14");
    EXPECT_EQ(view.slotAt[3], QPoint(164, 128));
    EXPECT_EQ(view.highlightedSlots, QList<int>{1});
    for (const TextLine& line : view.texts)
        EXPECT_LE(line.x + 8 * line.text.size(), line.y == 100 || line.y == 116 ? 300 : 512) << line.text.toStdString();

    // Each foe's picture at its place, the wolves as picture 1.
    QList<QPoint> pictures;
    QPoint at;
    for (const Record& r : view.records) {
        if (r.code == "lc") at = {coordinates(r.argument)[0], coordinates(r.argument)[1]};
        else if (r.code == "cw" && r.argument.toInt() <= 15) pictures.append(at);
    }
    EXPECT_EQ(pictures, (QList<QPoint>{{300, 96}, {300, 142}, {346, 96}}));

    encounter_view::drawEnd(out, false);
    view.feed(out.take());
    EXPECT_FALSE(view.logging);
    EXPECT_EQ(view.logEnds, 1);
    EXPECT_TRUE(view.log.contains("1 Furry Husky  12"));
}

TEST(EncounterView, MarkersOnlyHighlightTheirOwnSlot) {
    Fight fight({creature::Goblin, creature::Goblin, creature::Goblin, creature::Goblin}, 0);
    RecordWriter out;
    for (int slot = 1; slot <= 4; ++slot) encounter_view::drawMarker(out, slot);
    // Animations draw lines too, but never both ends in the slot rows.
    for (int slot = 1; slot <= 4; ++slot) {
        encounter_view::showDeath(out, slot);
        encounter_view::drawBolt(out, fight, slot);
    }
    ClientView view = readingClient();
    view.feed(out.take());
    EXPECT_EQ(view.highlightedSlots, (QList<int>{1, 2, 3, 4}));
}

TEST(FightRules, BeatenFoesGiveExperienceAndLevels) {
    Character you;
    Random random(3);
    Fight fight({creature::Goblin}, 0);
    for (int round = 0; round < 50 && !fight.isOver(); ++round) fight.attack(you, random);
    ASSERT_TRUE(fight.isOver());
    EXPECT_EQ(you.experience, creatureType(creature::Goblin).experience);
    EXPECT_EQ(you.kills, 1);

    you.experience = you.experienceForNextLevel() - 1;
    EXPECT_EQ(you.gainExperience(1), 1);
    EXPECT_EQ(you.level, 2);
    EXPECT_EQ(you.health, you.maxHealth());
}

TEST(FightRules, GhostsDrainExperience) {
    Character you;
    you.experience = 500;
    you.health = 1000;
    Random random(5);
    Fight fight({creature::Ghost}, 0);
    QList<FightEvent> events;
    for (int round = 0; round < 40 && !anyEvent(events, FightEvent::Kind::Drain); ++round)
        events += fight.foesTurn(you, random);
    ASSERT_TRUE(anyEvent(events, FightEvent::Kind::Drain));
    const auto drain = std::find_if(events.begin(), events.end(),
                                    [](const FightEvent& e) { return e.kind == FightEvent::Kind::Drain; });
    EXPECT_TRUE(drain->text.contains("drained"));
    EXPECT_FALSE(drain->text.contains(" user"));
    EXPECT_LT(you.experience, 500);
}

TEST(FightRules, FoodSendsHungryBeastsAwayAndMermenTrade) {
    Character you;
    Random random(1);
    Fight wolves({creature::ArcticWolf, creature::Goblin}, 0);
    const int ration = 2;  // third slot of the starting pack
    ASSERT_EQ(you.pack[ration].type, item::Ration);
    const auto events = wolves.offer(you, random, ration);
    EXPECT_EQ(wolves.foes[0].state, Foe::State::Gone);
    EXPECT_TRUE(you.pack[ration].isEmpty());
    EXPECT_EQ(wolves.target, 2);
    EXPECT_TRUE(anyEvent(events, FightEvent::Kind::FoeLeaves));

    Fight merman({creature::Merman}, 0);
    EXPECT_TRUE(merman.isPeaceful());
    const int ring = you.addItem(item::SilverRing);
    merman.offer(you, random, ring);
    EXPECT_TRUE(merman.isOver());
    const int reward = you.pack[ring].type;  // the freed slot takes the reward
    EXPECT_TRUE(reward == item::FrostBlade || reward == item::DragonScale);
}

TEST(FightRules, ThievesCannotReachTheBank) {
    Character you;
    you.gold = 0;
    you.health = 1000;
    const int sapphire = you.addItem(item::Sapphire);
    you.pack[sapphire].banked = true;
    Random random(9);
    Fight fight({creature::Thief}, 0);
    for (int round = 0; round < 30; ++round) fight.foesTurn(you, random);
    EXPECT_EQ(you.pack[sapphire].type, item::Sapphire);
    EXPECT_FALSE(fight.isOver());  // nothing to take, so it stayed to fight
}

TEST(SessionFight, WalkingIntoCreaturesPlaysAWholeLoggedFight) {
    Realm realm;
    TestPlayer joe(realm, 11);
    joe.enter("Joe");
    const Place wolfHome{world::areaAt({1, 0}), {14, 6}};
    joe.walkTo(wolfHome);
    ASSERT_TRUE(joe.session.isFighting());
    EXPECT_TRUE(joe.view.logging);
    EXPECT_TRUE(joe.view.slotText[1].startsWith("1 "));
    EXPECT_FALSE(joe.view.highlightedSlots.isEmpty());

    for (int i = 0; i < 300 && joe.session.isFighting(); ++i) joe.press(vkey::Enter);
    EXPECT_FALSE(joe.session.isFighting());
    EXPECT_FALSE(joe.view.logging);
    EXPECT_EQ(joe.view.logEnds, joe.view.logStarts > 0 ? 1 : 0);
    EXPECT_GT(joe.view.log.size(), 3);
    const Character& c = joe.session.character();
    EXPECT_TRUE(c.kills > 0 || c.deaths > 0);
    EXPECT_EQ(joe.view.experience, c.experience);
    EXPECT_EQ(joe.view.gaugeNow, c.health);
}
