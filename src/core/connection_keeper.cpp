#include "core/connection_keeper.h"

#include <algorithm>
#include <cmath>

namespace quorlak {

void ConnectionKeeper::setState(LinkModel::State state) {
    link_.state = state;
    link_.touch();
}

void ConnectionKeeper::connectNow() {
    link_.byPlayer = false;
    attemptStarted_ = clock_.nowMs();
    setState(LinkModel::State::Connecting);
}

void ConnectionKeeper::newServer() {
    link_.reachedOnce = false;
    link_.retries = 0;
    link_.touch();
}

void ConnectionKeeper::established() {
    link_.reachedOnce = true;
    link_.retries = 0;
    link_.reason.clear();
    setState(LinkModel::State::Connected);
}

void ConnectionKeeper::failed(std::string reason) {
    using State = LinkModel::State;
    if (link_.state == State::NotConnected || link_.state == State::Waiting) return;  // already told
    link_.reason = std::move(reason);
    if (!link_.reachedOnce) {
        setState(State::NotConnected);
        return;
    }
    const double wait = std::min(kFirstWaitMs * std::pow(2.0, std::min(link_.retries, 16)), kLongestWaitMs);
    link_.retryAt = clock_.nowMs() + wait;
    setState(State::Waiting);
}

void ConnectionKeeper::disconnectedByPlayer() {
    link_.byPlayer = true;
    link_.reason.clear();
    setState(LinkModel::State::NotConnected);
}

void ConnectionKeeper::stop() {
    if (link_.state == LinkModel::State::Connected) return;
    setState(LinkModel::State::NotConnected);
}

ConnectionKeeper::Action ConnectionKeeper::poll() {
    const double now = clock_.nowMs();
    if (link_.state == LinkModel::State::Waiting && now >= link_.retryAt) {
        ++link_.retries;
        attemptStarted_ = now;
        setState(LinkModel::State::Connecting);
        return Action::Connect;
    }
    if (link_.state == LinkModel::State::Connecting && now - attemptStarted_ >= kAttemptTimeoutMs) {
        failed("no answer");
        return Action::GiveUp;
    }
    return Action::None;
}

std::optional<double> ConnectionKeeper::nextWake() const {
    switch (link_.state) {
        case LinkModel::State::Connecting: return attemptStarted_ + kAttemptTimeoutMs;
        // When the countdown shows one second less, or the attempt is due.
        case LinkModel::State::Waiting: return link_.retryAt - std::max(secondsToRetry() - 1, 0) * 1000.0;
        default: return std::nullopt;
    }
}

int ConnectionKeeper::secondsToRetry() const {
    if (link_.state != LinkModel::State::Waiting) return 0;
    return static_cast<int>(std::ceil(std::max(link_.retryAt - clock_.nowMs(), 0.0) / 1000));
}

}  // namespace quorlak
