// Where the side panels go on resize, and which of them lies on top.
#include <gtest/gtest.h>

#include "display/layout.h"

using namespace quorlak;

namespace {

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() { items.tag = "225"; }
    void expectItems(int left, int top, int width, int height) const {
        EXPECT_EQ(items.geometry.left, left);
        EXPECT_EQ(items.geometry.top, top);
        EXPECT_EQ(items.geometry.width, width);
        EXPECT_EQ(items.geometry.height, height);
    }
    ItemGridModel items;
    MessageGridModel messages;
    TabStripModel tabs;
};

TEST_F(LayoutTest, CreatedSizeIsNarrow) {
    applyLayout(512, 512, items, messages);
    expectItems(182, 200, 330, 225);
    EXPECT_EQ(messages.geometry.height, 56);
    EXPECT_EQ(messages.geometry.top, 456);
    EXPECT_EQ(messages.geometry.width, 513);
}

TEST_F(LayoutTest, WideFrom613) {
    applyLayout(612, 600, items, messages);
    expectItems(282, 200, 330, 225);
    applyLayout(613, 600, items, messages);
    expectItems(391, 0, 222, 600);
    applyLayout(734, 600, items, messages);
    EXPECT_EQ(items.geometry.left, 512);  // clear of the display area
    applyLayout(612, 600, items, messages);  // and back, without memory of the wide state
    expectItems(282, 200, 330, 225);
}

TEST_F(LayoutTest, TooShortAClientAreaMovesNothing) {
    applyLayout(700, 600, items, messages);
    const uint64_t itemsRevision = items.revision;
    applyLayout(512, 511, items, messages);
    expectItems(478, 0, 222, 600);
    EXPECT_EQ(messages.geometry.height, 144);
    EXPECT_EQ(items.revision, itemsRevision);
    applyLayout(900, 512, items, messages);
    expectItems(678, 0, 222, 512);
}

TEST_F(LayoutTest, GrowingTheHeightStretchesTheColumnOnlyWhenWide) {
    applyLayout(600, 700, items, messages);
    expectItems(270, 200, 330, 225);
    EXPECT_EQ(messages.geometry.height, 244);
    applyLayout(800, 700, items, messages);
    expectItems(578, 0, 222, 700);
    EXPECT_EQ(messages.geometry.height, 244);
}

TEST_F(LayoutTest, NarrowHeightComesFromTheTagOrStays) {
    items.tag = "180";
    applyLayout(512, 512, items, messages);
    EXPECT_EQ(items.geometry.height, 180);
    items.tag = "rubbish-";  // no number reads as 0
    applyLayout(512, 512, items, messages);
    EXPECT_EQ(items.geometry.height, 0);
    items.geometry.height = 77;
    items.tag = "99999999";
    applyLayout(512, 512, items, messages);
    EXPECT_EQ(items.geometry.height, 77);
}

TEST_F(LayoutTest, FormMoveBringsTheTabStripUpOnlyWithASavedHeight) {
    tabs.front = false;
    zorderOnFormMove(0, tabs);
    EXPECT_FALSE(tabs.front);
    zorderOnFormMove(225, tabs);
    EXPECT_TRUE(tabs.front);
}

TEST_F(LayoutTest, ItemsMoveWithinTheTabBandBringsTheStripUp) {
    applyLayout(512, 512, items, messages);  // grid top 200; strip rows 425 to 448 lie strictly inside
    auto twipsFor = [&](int py) { return (py - items.geometry.top) * kTwipsPerPixel; };

    tabs.front = false;
    zorderOnItemsMove(twipsFor(425), 0, items, tabs);
    EXPECT_TRUE(tabs.front);

    tabs.front = false;
    zorderOnItemsMove(twipsFor(448), 0, items, tabs);
    EXPECT_TRUE(tabs.front);

    tabs.front = false;
    zorderOnItemsMove(twipsFor(425) - 1, 0, items, tabs);  // truncates to 424: on the strip's edge
    EXPECT_FALSE(tabs.front);
    zorderOnItemsMove(twipsFor(449), 0, items, tabs);
    EXPECT_FALSE(tabs.front);

    tabs.front = true;
    zorderOnItemsMove(twipsFor(300), 0, items, tabs);  // nothing saved: nothing changes
    EXPECT_TRUE(tabs.front);
    zorderOnItemsMove(twipsFor(424), 200, items, tabs);  // saved height: the grid comes up
    EXPECT_FALSE(tabs.front);
    zorderOnItemsMove(twipsFor(430), 200, items, tabs);
    EXPECT_TRUE(tabs.front);
}

TEST_F(LayoutTest, ItemsMoveUsesTheGridsOwnTop) {
    applyLayout(800, 600, items, messages);  // wide: grid top 0
    tabs.front = false;
    zorderOnItemsMove(430 * kTwipsPerPixel, 0, items, tabs);
    EXPECT_TRUE(tabs.front);
    tabs.front = false;
    zorderOnItemsMove(2000000000, 0, items, tabs);  // far below: no overflow, outside the band
    EXPECT_FALSE(tabs.front);
}

}  // namespace
