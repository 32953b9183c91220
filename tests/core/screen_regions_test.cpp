#include "panels/screen_regions.h"

#include <gtest/gtest.h>

#include "interpreter_fixture.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

TEST(ScreenRegions, HeightIsDistanceFromBottomRoundedHalfToEven) {
    EXPECT_EQ(lineHeight(452), 60);
    EXPECT_EQ(lineHeight(452.5f), 60);  // 59.5 goes to the even 60
    EXPECT_EQ(lineHeight(451.5f), 60);  // 60.5 goes to the even 60
    EXPECT_EQ(lineHeight(453.4f), 59);
    EXPECT_EQ(lineHeight(-100000.0f), 32767);  // far off-screen stays in range
}

TEST(ScreenRegions, EveryBandBoundary) {
    struct Case {
        int h;
        ScreenRegion region;
    };
    const Case cases[] = {
        {-5, ScreenRegion::MessageBand},    {59, ScreenRegion::MessageBand},    {60, ScreenRegion::PlayerBand},
        {73, ScreenRegion::PlayerBand},     {74, ScreenRegion::StatusColumn},   {319, ScreenRegion::StatusColumn},
        {320, ScreenRegion::EncounterBand}, {420, ScreenRegion::EncounterBand}, {421, ScreenRegion::TopBand},
        {600, ScreenRegion::TopBand},
    };
    for (const Case& c : cases) EXPECT_EQ(classifyLine(c.h, 0), c.region) << "h " << c.h;
}

TEST(ScreenRegions, MiddleRowsSplitAtX170) {
    for (int h : {74, 200, 319}) {
        EXPECT_EQ(classifyLine(h, 169.5f), ScreenRegion::StatusColumn) << h;
        EXPECT_EQ(classifyLine(h, 170), ScreenRegion::ListColumn) << h;
    }
    // Outside the middle rows x does not matter.
    EXPECT_EQ(classifyLine(59, 400), ScreenRegion::MessageBand);
    EXPECT_EQ(classifyLine(400, 400), ScreenRegion::EncounterBand);
}

TEST_F(InterpreterTest, HeightRoundingDecidesBetweenMessageAndPlayerBand) {
    EXPECT_FALSE(feed(0, 453, "xhello"));  // h 59: a message row, not printed
    EXPECT_EQ(messages.rowCount(), 1);
    EXPECT_TRUE(feed(0, 452.5f, "xhello"));  // h 59.5 rounds to 60: player band
    EXPECT_EQ(canvas.foreColor, kMagenta);
    EXPECT_EQ(messages.rowCount(), 1);
}

TEST_F(InterpreterTest, PlayerBandHidesTabsAndRaisesPlayerLines) {
    EXPECT_TRUE(feed(0, 445, "Player is here"));
    EXPECT_FALSE(tabs.visible);
    EXPECT_EQ(canvas.foreColor, kMagenta);
    ASSERT_EQ(messages.rows.size(), 1u);
    EXPECT_EQ(messages.rows[0].text, "Player is here");
    EXPECT_EQ(messages.rows[0].color, kRed);
    EXPECT_EQ(messages.rows[0].line, "");

    EXPECT_TRUE(feed(0, 439, "player is here"));
    EXPECT_TRUE(feed(0, 452, "Player is"));  // too short for the ten characters
    EXPECT_EQ(messages.rows.size(), 1u);
}

TEST_F(InterpreterTest, TopBandColoursAndTitle) {
    EXPECT_TRUE(feed(0, 8, "The Dungeon"));
    EXPECT_EQ(canvas.foreColor, kCoral);
    EXPECT_EQ(captions().windowCaption, "The Dungeon");

    EXPECT_TRUE(feed(0, 16, "Second row"));  // not the first text row
    EXPECT_EQ(captions().windowCaption, "The Dungeon");
    EXPECT_TRUE(feed(169.5f, 15.9f, "Left"));
    EXPECT_EQ(captions().windowCaption, "Left");

    EXPECT_TRUE(feed(170, 8, "middle"));
    EXPECT_EQ(canvas.foreColor, kGrey);
    EXPECT_TRUE(feed(299.5f, 91, "middle"));
    EXPECT_EQ(canvas.foreColor, kGrey);
    EXPECT_TRUE(feed(300, 91, "right"));
    EXPECT_EQ(canvas.foreColor, kYellow);
    EXPECT_EQ(captions().windowCaption, "Left");
}
