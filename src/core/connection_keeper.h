#pragma once
// Keeps the connection to the game server: the attempts, reconnecting by
// itself after a loss with growing waits (1, 2, 4 ... 30 s), and what the
// window shows about it. It connects nothing itself: the window tells it
// what the socket did, and poll() says when to try again. A first attempt
// that fails is left to the player (the address may be mistyped), and so is
// everything after the player disconnected or stopped the retries.

#include <cstdint>
#include <optional>
#include <string>

#include "base/clock.h"
#include "panels/panel_models.h"

namespace quorlak {

struct LinkModel : Revisioned {
    enum class State {
        Connecting,  // an attempt is under way
        Connected,
        Waiting,       // lost: the next attempt comes at `retryAt`
        NotConnected,  // nothing more is tried until the player asks
    };
    State state = State::Connecting;
    bool reachedOnce = false;  // the server answered at least once
    bool byPlayer = false;     // NotConnected because the player disconnected
    int retries = 0;           // attempts since the connection was lost
    double retryAt = 0;        // clock time of the next attempt, while waiting
    std::string reason;        // why the last attempt failed or the connection broke
    // The screen shows a game that is no longer live.
    bool stale() const { return reachedOnce && state != State::Connected; }
};

class ConnectionKeeper {
public:
    static constexpr double kFirstWaitMs = 1000;
    static constexpr double kLongestWaitMs = 30000;
    // An attempt with no answer by then is given up and counts as failed.
    static constexpr double kAttemptTimeoutMs = 10000;

    explicit ConnectionKeeper(const Clock& clock) : clock_(clock) {}

    // The player asks for a connection now (the start, Reconnect, another server).
    void connectNow();
    // The player chose another server: until it answers, its failure is a first one.
    void newServer();
    void established();
    // An attempt failed, or the live connection broke.
    void failed(std::string reason);
    void disconnectedByPlayer();
    // The player stops the waiting or the attempts.
    void stop();

    enum class Action { None, Connect, GiveUp };
    // Connect: start an attempt now. GiveUp: the attempt took too long, drop it.
    Action poll();
    std::optional<double> nextWake() const;

    // Whole seconds until the next attempt, rounded up (0 unless waiting).
    int secondsToRetry() const;
    const LinkModel& link() const { return link_; }

private:
    void setState(LinkModel::State state);

    const Clock& clock_;
    LinkModel link_;
    double attemptStarted_ = 0;
};

}  // namespace quorlak
