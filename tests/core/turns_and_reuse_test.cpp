// Received records run a few per turn, and a core made on a used canvas.
#include <gtest/gtest.h>

#include "canvas/data_files.h"
#include "core/client_core.h"
#include "core/turn_budget.h"
#include "replay/replay_host.h"
#include "replay/state_json.h"
#include "replay/virtual_clock.h"
#include "test_app.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

// Ends a turn after `perTurn` records.
class CountedTurns : public TurnBudget {
public:
    explicit CountedTurns(int perTurn) : perTurn_(perTurn) {}
    void begin() override { left_ = perTurn_; }
    bool spent() override { return --left_ <= 0; }

private:
    int perTurn_;
    int left_ = 0;
};

class Turns : public ::testing::Test {
protected:
    Turns() {
        ensureGuiApp();
        core.load(Pictures{}, QFont());
        core.setConnected(true);
        core.setTurnBudget(&turns);
    }
    void finishTurns() {
        while (core.recordsWaiting()) core.runWaitingRecords();
    }
    CountedTurns turns{1};
    ReplayHost host;
    VirtualClock clock;
    ClientCore core{host, clock};
};

}  // namespace

TEST_F(Turns, TheRecordsOfAChunkShareTheirPointsAcrossTurns) {
    // The circle has no radius of its own: it takes the one the line left.
    core.receive(
        "ln(1,1)-(40,1)\x1f"
        "ce(100,100)\x1f");
    EXPECT_TRUE(core.recordsWaiting());
    EXPECT_EQ(core.canvas().image().pixel(140, 100), kBlack);
    core.runWaitingRecords();
    EXPECT_EQ(core.canvas().image().pixel(140, 100), kOrange);
    finishTurns();
    EXPECT_FALSE(core.recordsWaiting());
}

TEST_F(Turns, KeysGoAtOnceWhileLaterDataWaitsItsTurn) {
    core.receive("lc(1,1)\x1flc(2,2)\x1flc(3,3)\x1f");
    core.keyDown(65, 0);
    ASSERT_EQ(host.sent().size(), 1u);
    EXPECT_EQ(core.canvas().currentX, 1);
    core.receive("lc(9,9)\x1f");  // behind the records still waiting
    core.runWaitingRecords();
    EXPECT_EQ(core.canvas().currentX, 2);
    finishTurns();
    EXPECT_EQ(core.canvas().currentX, 9);
}

TEST_F(Turns, AnAcceptedChunkRunsToItsEndThoughTheDisplayFreezes) {
    core.receive("lc(1,1)\x1flc(2,2)\x1f");
    core.doubleClick();
    EXPECT_TRUE(core.modes().frozen);
    finishTurns();
    EXPECT_EQ(core.canvas().currentX, 2);
    core.receive("lc(7,7)\x1f");
    EXPECT_EQ(core.canvas().currentX, 2);
}

TEST_F(Turns, TimersWaitForWhatAPauseHeldEvenOverSeveralTurns) {
    clock.setNow(64000);
    core.receive("pz10\x1flc(1,1)\x1flc(2,2)\x1f");
    EXPECT_TRUE(core.holding());
    clock.setNow(66000);  // the keep-alive fell due during the pause
    core.poll();
    EXPECT_TRUE(core.recordsWaiting());
    EXPECT_TRUE(host.sent().empty());
    core.poll();
    EXPECT_TRUE(host.sent().empty());
    finishTurns();
    core.poll();
    ASSERT_EQ(host.sent().size(), 1u);
    EXPECT_EQ(host.sent()[0], std::string("\0\0", 2));
    EXPECT_EQ(core.canvas().currentX, 2);
}

TEST(CoreReuse, ACoreOnAUsedCanvasShowsWhatANewOneShows) {
    ensureGuiApp();
    const Pictures pictures = loadPictures();
    const QFont font = loadTerminalFont();
    // Text, colours, a custom character, an input field, a pause and an unfinished record.
    const std::string used = "cd01 " + std::string(16 * 33, '1') +
                             "\x1flc(40,100)\x1fpt'1 bat'\x1fcu(40,300)-(12,0)\x1f"
                             "fx(5,5)-(500,90)\x1fcw1\x1fce(300,300),30\x1fpz900\x1flc(3,3)\x1fpt'unfin";
    const std::string next = "lc(8,472)\x1fpt'hello'\x1fbx(10,10)-(20,30)\x1f";
    auto shown = [&](auto&& run) {
        ReplayHost host;
        VirtualClock clock;
        std::optional<ClientCore> core;
        run(core, host, clock);
        core->load(pictures, font);
        core->setConnected(true);
        core->resize(512, 512);
        core->receive(next);
        return std::pair(core->canvas().image(), stateJson(*core, host, clock.nowMs()) + core->unfinishedRecord());
    };
    const auto fresh = shown([](auto& core, auto& host, auto& clock) { core.emplace(host, clock); });
    const auto reused = shown([&](auto& core, auto& host, auto& clock) {
        ReplayHost usedHost;
        VirtualClock usedClock;
        ClientCore first(usedHost, usedClock);
        first.load(pictures, font);
        first.receive(used);
        first.doubleClick();
        core.emplace(host, clock, std::move(first).takeCanvas());
    });
    EXPECT_TRUE(fresh.first == reused.first);
    EXPECT_EQ(fresh.second, reused.second);
}
