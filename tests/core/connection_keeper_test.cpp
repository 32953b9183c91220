// Reconnecting by itself after a loss, on a clock the test moves.
#include "core/connection_keeper.h"

#include <gtest/gtest.h>

#include "replay/virtual_clock.h"

using namespace quorlak;
using State = LinkModel::State;
using Action = ConnectionKeeper::Action;

TEST(ConnectionKeeper, ALostConnectionIsTriedAgainAfterGrowingWaitsWithACountdown) {
    VirtualClock clock;
    ConnectionKeeper keeper(clock);
    auto wake = [&] {
        clock.setNow(*keeper.nextWake());
        return keeper.poll();
    };
    keeper.connectNow();
    keeper.established();
    keeper.failed("the server closed the connection");
    EXPECT_TRUE(keeper.link().stale());
    std::vector<double> waits;
    for (int attempt = 0; attempt < 7; ++attempt) {
        const double lost = clock.nowMs();
        std::vector<int> shown{keeper.secondsToRetry()};
        while (wake() == Action::None) shown.push_back(keeper.secondsToRetry());
        waits.push_back(clock.nowMs() - lost);
        for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], int(shown.size() - i)) << attempt;
        ASSERT_EQ(keeper.link().state, State::Connecting);
        if (attempt < 6) keeper.failed("connection refused");
    }
    EXPECT_EQ(waits, (std::vector<double>{1000, 2000, 4000, 8000, 16000, 30000, 30000}));
    // No answer in time: given up, and the wait goes on growing.
    clock.setNow(clock.nowMs() + ConnectionKeeper::kAttemptTimeoutMs - 1);
    EXPECT_EQ(keeper.poll(), Action::None);
    EXPECT_EQ(wake(), Action::GiveUp);
    EXPECT_EQ(keeper.secondsToRetry(), 30);
    keeper.connectNow();
    keeper.established();  // back: the next loss starts over at one second
    EXPECT_FALSE(keeper.link().stale());
    keeper.failed("gone");
    EXPECT_EQ(keeper.secondsToRetry(), 1);
}

TEST(ConnectionKeeper, NothingIsTriedAfterAFirstFailureADisconnectOrAStop) {
    VirtualClock clock;
    ConnectionKeeper keeper(clock);
    keeper.connectNow();
    keeper.failed("connection refused");  // perhaps a typing slip: the player decides
    EXPECT_EQ(keeper.link().state, State::NotConnected);
    EXPECT_FALSE(keeper.link().stale());
    EXPECT_FALSE(keeper.nextWake());
    keeper.connectNow();
    keeper.established();
    keeper.disconnectedByPlayer();
    keeper.failed("the server closed the connection");  // the socket's own report of it
    EXPECT_TRUE(keeper.link().byPlayer);
    EXPECT_FALSE(keeper.nextWake());
    keeper.connectNow();
    keeper.established();
    keeper.failed("gone");
    keeper.stop();
    EXPECT_EQ(keeper.link().state, State::NotConnected);
    EXPECT_FALSE(keeper.nextWake());
}
