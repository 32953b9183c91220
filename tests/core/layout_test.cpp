// Layout inputs the window cannot give: a bad height tag and a pointer far off.
// The ordinary layout and z-order run through the replay driver.
#include <gtest/gtest.h>

#include "panels/layout.h"

using namespace quorlak;

namespace {

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() { items.tag = "225"; }
    ItemGridModel items;
    MessageGridModel messages;
    TabStripModel tabs;
};

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

TEST_F(LayoutTest, PointerFarBelowTheGridDoesNotOverflow) {
    applyLayout(800, 600, items, messages);
    tabs.front = false;
    zorderOnItemsMove(2000000000, 0, items, tabs);
    EXPECT_FALSE(tabs.front);
}

}  // namespace
