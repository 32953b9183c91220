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

// Status values are read only on their exact row, not one a fraction off it.
TEST_F(InterpreterTest, StatusValuesAreReadOnlyOnTheirExactRow) {
    feed(20, 219, field(18, "59"));
    EXPECT_EQ(canvas.foreColor, kYellow);
    feed(20, 219.25f, field(18, "5"));
    EXPECT_EQ(canvas.foreColor, kGreen);
    feed(20, 264.5f, field(10, "500"));
    EXPECT_EQ(status().experience, 0);
}

TEST_F(InterpreterTest, ExperienceBeyond32BitsKeepsLastValues) {
    feed(20, 264, field(10, "1,000"));
    feed(20, 264, field(10, "3,000,000,000"));
    EXPECT_EQ(status().experience, 1000);
    EXPECT_EQ(captions().experience, "1000");

    // The value fits but the gain does not: the value is kept, the caption is not.
    feed(20, 264, field(10, "-2,000,000,000"));
    interpreter.encounterStarted();  // the baseline
    EXPECT_EQ(status().experienceBaseline, -2000000000);
    EXPECT_TRUE(feed(20, 264, field(10, "2,000,000,000")));
    EXPECT_EQ(status().experience, 2000000000);
    EXPECT_EQ(captions().experience, "-2000000000");
}

TEST_F(InterpreterTest, GaugeWithoutUsableMaximumDrawsNothing) {
    feed(40, 204, gaugeLine("90", "90"));
    feed(40, 204, gaugeLine("30", "0"));
    EXPECT_EQ(status().gaugeNow, 30);
    EXPECT_EQ(status().gaugeMax, 0);
    EXPECT_EQ(canvas.image().pixel(400, 198), kGreen);  // the old bar stays
    EXPECT_EQ(canvas.currentX, 40);                     // the line prints where it stands

    feed(40, 204, gaugeLine("12", "99999"));
    feed(40, 204, gaugeLine("40000", "9"));
    EXPECT_EQ(status().gaugeNow, 30);
    EXPECT_EQ(status().gaugeMax, 0);
    EXPECT_EQ(canvas.image().pixel(400, 198), kGreen);
}
