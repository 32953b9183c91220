// The pause record and the freeze, seen through the whole core.
#include <gtest/gtest.h>

#include "core/client_core.h"
#include "fake_host.h"
#include "test_app.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

class StreamHold : public ::testing::Test {
protected:
    StreamHold() {
        ensureGuiApp();
        core.load(Pictures{}, QFont());
        core.setConnected(true);
    }
    void advanceTo(double t) {
        clock.now = t;
        core.poll();
    }
    FakeHost host;
    FakeClock clock;
    ClientCore core{host, clock};
};

}  // namespace

TEST_F(StreamHold, PauseHoldsTheRestOfTheChunkUntilStrictlyPast) {
    core.receive("pz500\x1flc(30,40)\x1f");
    EXPECT_TRUE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 0);
    EXPECT_EQ(core.nextWake(), 501);
    advanceTo(500);
    EXPECT_TRUE(core.holding());
    advanceTo(501);
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 30);
    EXPECT_EQ(core.canvas().currentY, 40);
}

TEST_F(StreamHold, LaterEventsWaitAndRunInOrder) {
    core.receive("pz100\x1f");
    core.receive("lc(1,1)\x1f");
    core.doubleClick();           // freezes, but only after the chunk before it
    core.receive("lc(9,9)\x1f");  // arrives frozen: dropped
    EXPECT_FALSE(core.modes().frozen);
    advanceTo(101);
    EXPECT_TRUE(core.modes().frozen);
    EXPECT_EQ(core.canvas().currentX, 1);
}

TEST_F(StreamHold, ZeroPauseWaitsForTheClockToMoveNegativeDoesNot) {
    core.receive("pz-5\x1flc(2,2)\x1f");
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 2);
    core.receive("pz\x1flc(3,3)\x1f");  // no number: 0
    EXPECT_TRUE(core.holding());
    core.poll();
    EXPECT_TRUE(core.holding());
    advanceTo(0.5);
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 3);
}

TEST_F(StreamHold, DelayOffIgnoresPauses) {
    core.menu(MenuItem::DelayMode);
    EXPECT_FALSE(core.modes().delay);
    core.receive("pz32767\x1flc(4,4)\x1f");
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 4);
}

TEST_F(StreamHold, PauseOutside16BitsIsIgnored) {
    core.receive("pz99999\x1flc(5,5)\x1f");
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 5);
}

TEST_F(StreamHold, PausesInARowEachWait) {
    core.receive("pz10\x1fpz10\x1flc(6,6)\x1f");
    advanceTo(11);
    EXPECT_TRUE(core.holding());
    advanceTo(21);
    EXPECT_TRUE(core.holding());
    advanceTo(22);
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(core.canvas().currentX, 6);
}

TEST_F(StreamHold, FreezeDropsChunksAndKeepsTheTail) {
    core.receive("lc(7,");
    core.doubleClick();
    core.receive(
        "8)\x1f"
        "cs\x1f");
    EXPECT_EQ(core.unfinishedRecord(), "lc(7,");
    core.doubleClick();
    core.receive("9)\x1f");
    EXPECT_EQ(core.canvas().currentX, 7);
    EXPECT_EQ(core.canvas().currentY, 9);
}

TEST_F(StreamHold, KeepAliveTickDuringAPauseRunsAfterIt) {
    advanceTo(50000);
    core.receive("pz32000\x1f");
    advanceTo(70000);  // the tick was due at 65000
    EXPECT_TRUE(host.writes.empty());
    advanceTo(82001);
    ASSERT_EQ(host.writes.size(), 1u);
    EXPECT_EQ(host.writes[0], std::string("\0\0", 2));
}
