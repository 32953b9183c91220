// The arrow marker's box corner and its clamping of silly lengths and places;
// the arrowhead and box placement run through the replay driver.
#include <gtest/gtest.h>

#include "display/arrow.h"
#include "display_rig.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

constexpr QRgb kWhite = 0xffffffff;

class ArrowTest : public DisplayRig {
protected:
    void arrowAt(float x, float y, int16_t len) {
        canvas.currentX = x;
        canvas.currentY = y;
        state.boxlen = len;
        marker.arrow(true);
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
    EXPECT_EQ(box.geometry.width, 2);
    EXPECT_EQ(box.maxlength, 0);  // no limit
    arrowAt(100, 50, -7);
    EXPECT_EQ(box.geometry.width, 2);
    EXPECT_EQ(box.maxlength, 0);
    arrowAt(100, 50, 32767);
    EXPECT_EQ(box.maxlength, 4095);
    EXPECT_EQ(box.geometry.width, 4095 * 8 + 2);

    arrowAt(32760, -32765, 1);
    EXPECT_EQ(state.boxleft, 32767);
    EXPECT_EQ(state.boxtop, -32768);
    arrowAt(1e9f, 5, 1);
    EXPECT_EQ(state.boxleft, 32767);
}

}  // namespace
