// The connection's word on dropped keys, the stop signals' set-up failing
// part-way, and the warning sound's pace.
#include <gtest/gtest.h>

#include <csignal>

#include "gui/connection.h"
#include "gui/stop_signals.h"
#include "gui/warning_sound.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::FakeGameServer;
using quorlak::test::waitUntil;

namespace {

class SteppedClock : public Clock {
public:
    double nowMs() const override { return now; }
    double now = 5000;
};

TEST(Connection, SaysSoWhileKeysAreDroppedAndWhenTheyGoOutAgain) {
    FakeGameServer server;
    Connection connection(server.address());
    connection.open();
    ASSERT_TRUE(server.acceptClient());
    ASSERT_TRUE(waitUntil([&] { return connection.isConnected(); }));
    const QString connected = connection.status();

    // Nothing goes out before the event loop runs: the first write is the whole backlog.
    connection.write(std::string(Connection::kMaxUnsentBytes + 1, 'k'));
    EXPECT_EQ(connection.status(), connected);
    connection.write(" 65, 0");
    EXPECT_EQ(connection.status(), server.shown() + QStringLiteral(" is not reading: keys are being dropped"));
    ASSERT_TRUE(waitUntil([&] { return connection.status() == connected; }, 20000));
}

TEST(StopSignals, AFailurePartWayLeavesEverythingAsItWas) {
    struct sigaction before = {};
    ::sigaction(SIGINT, nullptr, &before);
    QObject owner;
    // SIGKILL cannot be caught: the set-up fails after SIGINT was taken.
    EXPECT_FALSE(watchStopSignals(&owner, [] {}, {SIGINT, SIGKILL}));
    struct sigaction after = {};
    ::sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);

    // Nothing of the failed attempt stays behind to refuse the next one.
    bool stopped = false;
    ASSERT_TRUE(watchStopSignals(&owner, [&] { stopped = true; }, {SIGUSR1}));
    std::raise(SIGUSR1);
    EXPECT_TRUE(waitUntil([&] { return stopped; }));
    std::signal(SIGUSR1, SIG_DFL);
}

TEST(WarningSound, SoundsAtMostOncePerSecond) {
    SteppedClock clock;
    WarningSound sound(clock);
    EXPECT_TRUE(sound.play());
    clock.now += 999;
    EXPECT_FALSE(sound.play());
    clock.now += 1;
    EXPECT_TRUE(sound.play());
    clock.now += 500;
    EXPECT_FALSE(sound.play());
    clock.now += 5000;
    EXPECT_TRUE(sound.play());
}

}  // namespace
