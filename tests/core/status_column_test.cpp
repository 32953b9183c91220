#include <gtest/gtest.h>

#include <string>

#include "interpreter_fixture.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

namespace {

// A status line whose value starts at the given character position.
std::string field(int position, const std::string& value) { return std::string(position - 1, '.') + value; }

// Gauge line: the current value in characters 14 to 16, "/" in 17, the maximum from 18 on.
std::string gaugeLine(const std::string& now, const std::string& max) {
    std::string text = "Hit points:  " + now;
    if (text.size() < 16) text.resize(16, ' ');
    return text + "/" + max;
}

}  // namespace

TEST_F(InterpreterTest, StatusRedRuleBoundaries) {
    struct Case {
        float x;
        int h;
        QRgb color;
    };
    const Case cases[] = {
        {70, 150, kGreen}, {71, 112, kRed}, {71, 176, kRed}, {71, 111, kGreen}, {71, 177, kGreen}, {169.5f, 150, kRed},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(feed(c.x, 512.0f - c.h, "slot")) << c.x << "," << c.h;
        EXPECT_EQ(canvas.foreColor, c.color) << c.x << "," << c.h;
    }
}

TEST_F(InterpreterTest, ThresholdLineTurnsYellowBelowSixty) {
    feed(20, 219, field(18, "60"));
    EXPECT_EQ(canvas.foreColor, kGreen);
    feed(20, 219, field(18, "59"));
    EXPECT_EQ(canvas.foreColor, kYellow);
    feed(20, 219, "short");  // reads 0
    EXPECT_EQ(canvas.foreColor, kYellow);
    feed(20, 219.25f, field(18, "5"));  // same height, but not the exact row
    EXPECT_EQ(canvas.foreColor, kGreen);
}

TEST_F(InterpreterTest, ExperienceLineShowsGainSinceBaseline) {
    state.expstart = 12000;
    EXPECT_TRUE(feed(20, 264, field(10, " 12,345")));
    EXPECT_EQ(canvas.foreColor, kGreen);
    EXPECT_EQ(state.expnow, 12345);
    EXPECT_EQ(menus.netexp, "345");

    state.expstart = 0;
    feed(20, 264, field(10, " 12,345"));
    EXPECT_EQ(menus.netexp, "12345");

    state.expstart = 20000;
    feed(20, 264, field(10, "12,345"));
    EXPECT_EQ(menus.netexp, "-7655");

    feed(20, 264, "Exp:");  // no number: the value reads 0
    EXPECT_EQ(state.expnow, 0);
    EXPECT_EQ(menus.netexp, "-20000");
}

TEST_F(InterpreterTest, ExperienceRowAtX11IsRedAndReadsNothing) {
    feed(11, 264, field(10, "500"));
    EXPECT_EQ(canvas.foreColor, kRed);
    EXPECT_EQ(state.expnow, 0);
    EXPECT_EQ(menus.netexp, "");
    feed(20, 264.5f, field(10, "500"));  // not the exact row
    EXPECT_EQ(state.expnow, 0);
}

TEST_F(InterpreterTest, ExperienceBeyond32BitsKeepsLastValues) {
    feed(20, 264, field(10, "1,000"));
    feed(20, 264, field(10, "3,000,000,000"));
    EXPECT_EQ(state.expnow, 1000);
    EXPECT_EQ(menus.netexp, "1000");

    // The value fits but the gain does not: the value is kept, the caption is not.
    state.expstart = -2000000000;
    EXPECT_TRUE(feed(20, 264, field(10, "2,000,000,000")));
    EXPECT_EQ(state.expnow, 2000000000);
    EXPECT_EQ(menus.netexp, "1000");
}

TEST_F(InterpreterTest, GaugeBarHalfIsRedAndAboveHalfGreen) {
    EXPECT_TRUE(feed(40, 204, gaugeLine("90", "90")));
    EXPECT_EQ(canvas.image().pixel(400, 198), kGreen);
    EXPECT_EQ(canvas.image().pixel(400, 199), kGreen);

    EXPECT_TRUE(feed(40, 204, gaugeLine("45", "90")));
    EXPECT_EQ(state.gaugenow, 45);
    EXPECT_EQ(state.gaugemax, 90);
    for (int y : {198, 199}) {
        EXPECT_EQ(canvas.image().pixel(100, y), kRed);
        EXPECT_EQ(canvas.image().pixel(250, y), kRed);
        EXPECT_EQ(canvas.image().pixel(262, y), canvas.backColor);  // the rest of the row is erased
        EXPECT_EQ(canvas.image().pixel(400, y), canvas.backColor);
    }
    EXPECT_EQ(canvas.currentX, 10);
    EXPECT_EQ(canvas.currentY, 204);
    EXPECT_EQ(canvas.foreColor, kGreen);  // the line itself prints green

    feed(40, 204, gaugeLine("46", "90"));
    EXPECT_EQ(canvas.image().pixel(100, 199), kGreen);
    EXPECT_EQ(canvas.image().pixel(255, 198), kGreen);
    EXPECT_EQ(canvas.image().pixel(300, 198), canvas.backColor);
}

TEST_F(InterpreterTest, GaugeWithoutUsableMaximumDrawsNothing) {
    feed(40, 204, gaugeLine("90", "90"));
    feed(40, 204, gaugeLine("30", "0"));
    EXPECT_EQ(state.gaugenow, 30);
    EXPECT_EQ(state.gaugemax, 0);
    EXPECT_EQ(canvas.image().pixel(400, 198), kGreen);  // the old bar stays
    EXPECT_EQ(canvas.currentX, 40);                      // the line prints where it stands

    feed(40, 204, gaugeLine("12", "99999"));
    feed(40, 204, gaugeLine("40000", "9"));
    EXPECT_EQ(state.gaugenow, 30);
    EXPECT_EQ(state.gaugemax, 0);
    EXPECT_EQ(canvas.image().pixel(400, 198), kGreen);
}
