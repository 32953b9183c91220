// The arrowhead that marks an input position and the text entry box beside it.
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

TEST_F(ArrowTest, DrawsTheArrowheadAndPlacesTheBox) {
    canvas.fillBox(110, 30, 130, 50, kWhite);
    arrowAt(100, 50, 10);

    // The back edge with its notch, the two slopes and the tip.
    for (const auto& [x, y] : {std::pair{100, 50}, {100, 49}, {100, 48}, {100, 42}, {100, 41}, {100, 40}, {101, 50},
                               {106, 45}, {101, 40}, {103, 45}, {102, 49}, {102, 41}, {101, 47}, {101, 43}})
        EXPECT_EQ(px(x, y), kOrangeFore) << x << "," << y;
    EXPECT_EQ(px(100, 45), kBlack);  // the notch
    EXPECT_EQ(count(kOrangeFore, 100, 40, 106, 50), countAll(kOrangeFore));  // 7 wide, 11 tall
    EXPECT_EQ(count(kOrangeFore, 100, 40, 100, 50), 6);
    EXPECT_EQ(px(116, 40), kBlack);  // the background point at the box corner
    EXPECT_EQ(px(117, 40), kWhite);

    EXPECT_EQ(state.boxleft, 116);
    EXPECT_EQ(state.boxtop, 40);
    EXPECT_EQ(box.geometry.left, 116);
    EXPECT_EQ(box.geometry.top, 40);
    EXPECT_EQ(box.geometry.width, 82);
    EXPECT_EQ(box.geometry.height, 18);
    EXPECT_EQ(box.maxlength, 10);
    EXPECT_FALSE(box.visible);
    EXPECT_FALSE(box.focused);
    EXPECT_EQ(canvas.currentX, 116);
    EXPECT_EQ(canvas.currentY, 40);
}

TEST_F(ArrowTest, DrawsInTheCurrentForeColour) {
    canvas.foreColor = kWhite;
    arrowAt(200, 200, 3);
    EXPECT_EQ(px(206, 195), kWhite);
    EXPECT_EQ(countAll(kOrangeFore), 0);
}

TEST_F(ArrowTest, TextBoxModeShowsFocusesAndEmptiesTheBox) {
    box.text = "old";
    state.textboxmode = true;
    arrowAt(100, 50, 10);
    EXPECT_TRUE(box.visible);
    EXPECT_TRUE(box.focused);
    EXPECT_EQ(box.text, "");
    EXPECT_EQ(box.geometry.left, 116);
}

TEST_F(ArrowTest, TheSpecialPositionMovesTheBoxToTheLeftEdgeOnlyInTextBoxMode) {
    arrowAt(92, 129, 5);
    EXPECT_EQ(box.geometry.left, 108);
    EXPECT_EQ(box.geometry.top, 119);

    state.textboxmode = true;
    arrowAt(92, 129, 5);
    EXPECT_EQ(box.geometry.left, 0);
    EXPECT_EQ(box.geometry.top, 119);
    EXPECT_EQ(state.boxleft, 108);  // the field itself stays where the server put it

    arrowAt(92, 130, 5);
    EXPECT_EQ(box.geometry.left, 108);
}

TEST_F(ArrowTest, HidingForgetsThePlaceButLeavesTheArrowhead) {
    state.textboxmode = true;
    arrowAt(100, 50, 10);
    marker.arrow(false);
    EXPECT_FALSE(box.visible);
    EXPECT_FALSE(box.focused);
    EXPECT_EQ(state.boxleft, 0);
    EXPECT_EQ(state.boxtop, 0);
    EXPECT_EQ(px(106, 45), kOrangeFore);
}

TEST_F(ArrowTest, ASecondArrowKeepsTheFirstOnTheDisplay) {
    arrowAt(100, 50, 10);
    arrowAt(300, 300, 4);
    EXPECT_EQ(px(106, 45), kOrangeFore);
    EXPECT_EQ(px(306, 295), kOrangeFore);
    EXPECT_EQ(box.geometry.left, 316);
    EXPECT_EQ(box.geometry.width, 34);
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
