// The input field's marker corner and its clamping of silly lengths and places;
// the arrowhead and box placement run through the replay driver.
#include <gtest/gtest.h>

#include "display_rig.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

class ArrowTest : public DisplayRig {
protected:
    // An input field whose marker stands at (x, y).
    void arrowAt(int x, int y, int len) {
        feed("cu" + std::to_string(x) + "," + std::to_string(y - 10) + "," + std::to_string(len));
    }
};

TEST_F(ArrowTest, BoxCornerIsSetToTheBackground) {
    canvas.fillBox(110, 30, 130, 50, kWhite);
    arrowAt(100, 50, 10);
    EXPECT_EQ(px(116, 40), kBlack);
    EXPECT_EQ(px(117, 40), kWhite);
}

TEST_F(ArrowTest, SillyLengthsAndPositionsAreClamped) {
    arrowAt(100, 50, 0);
    EXPECT_EQ(box().geometry.width, 2);
    EXPECT_EQ(box().maxlength, 0);  // no limit
    arrowAt(100, 50, 32767);
    EXPECT_EQ(box().maxlength, 4095);
    EXPECT_EQ(box().geometry.width, 4095 * 8 + 2);

    arrowAt(32760, 32767, 1);
    EXPECT_EQ(commands.fieldLeft(), 32767);
    EXPECT_EQ(commands.fieldTop(), 32757);
}

}  // namespace
