// Drawing records at their edges: rejected arguments, the item mark's limits, and
// damage reported through the core. The ordinary cases run through the replay driver.
#include <gtest/gtest.h>

#include "core/client_core.h"
#include "display_rig.h"
#include "fake_host.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

using DrawingRecords = DisplayRig;

TEST_F(DrawingRecords, ArgumentsGetcoordsRejectsAreIgnored) {
    events.textBoxMode = true;
    feed(
        "lc(30,40)\x1f"
        "lc(5)\x1f"
        "ps(99999,1)\x1f"
        "fx7\x1f"
        "cr\x1f"
        "ce5\x1f"
        "cu(7)");
    EXPECT_EQ(canvas.currentX, 30);
    EXPECT_EQ(canvas.currentY, 40);
    EXPECT_EQ(countAll(kOrangeFore), 0);
    EXPECT_FALSE(box().visible);
    EXPECT_EQ(commands.fieldLeft(), 0);
}

TEST_F(DrawingRecords, SmallBoxLowDownMarksTheItemRowInstead) {
    feed("fx(300,250)-(310,258)");
    EXPECT_EQ(events.itemRowMarks, 1);
    EXPECT_EQ(countAll(kOrangeFore), 0);

    feed("fx(300,250)-(310,260)");  // extent 20: still a mark
    EXPECT_EQ(countAll(kOrangeFore), 0);
    feed("fx(300,201)-(300,201)");
    EXPECT_EQ(countAll(kOrangeFore), 0);
    EXPECT_EQ(events.itemRowMarks, 3);
    feed("fx(300,250)-(311,260)");  // extent 21: drawn
    EXPECT_TRUE(allOf(kOrangeFore, 300, 250, 311, 260));
    feed("fx(300,150)-(310,158)");  // high up: drawn
    EXPECT_TRUE(allOf(kOrangeFore, 300, 150, 310, 158));
    feed("fx(400,200)-(401,201)");  // y 200 is not below 200
    EXPECT_EQ(px(400, 200), kOrangeFore);
    EXPECT_EQ(events.itemRowMarks, 3);
}

// The same records arriving through the whole core reach the display.
TEST(DrawingRecordsThroughCore, ReceivedChunksDrawAndReportDamage) {
    ensureGuiApp();
    FakeHost host;
    FakeClock clock;
    ClientCore core(host, clock);
    core.load(Pictures{}, QFont());
    core.canvas().takeDamage();
    core.receive(
        "fx(10,20)-(30,40)\x1f"
        "bx(100,100)-(110,110)\x1f");
    EXPECT_EQ(core.canvas().image().pixel(30, 40), kOrangeFore);
    EXPECT_EQ(core.canvas().image().pixel(110, 105), kOrangeFore);
    const QRect damage = core.canvas().takeDamage();
    EXPECT_TRUE(damage.contains(QRect(QPoint(10, 20), QPoint(110, 110))));
    core.receive("cs\x1f");
    EXPECT_EQ(core.canvas().image().pixel(30, 40), kBlack);
}

}  // namespace
