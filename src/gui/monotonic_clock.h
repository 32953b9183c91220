#pragma once
// The window's clock: the system's monotonic clock, from the window's
// creation, in whole microseconds. While an event is handled the clock
// stands still, so that everything the event does happens at one moment,
// as in the replay driver, and a recording can give that moment exactly.

#include <QElapsedTimer>
#include <cmath>
#include <optional>

#include "base/clock.h"

namespace quorlak {

class MonotonicClock : public Clock {
public:
    // Holds the clock still while it lives; nested holds keep the first moment.
    class Hold {
    public:
        explicit Hold(MonotonicClock& clock) : clock_(clock), outer_(!clock.held_) {
            if (outer_) clock_.held_ = clock_.running();
        }
        // Holds the clock at its start (0), for what happens as the window is made.
        static constexpr struct AtStart {
        } kAtStart{};
        Hold(MonotonicClock& clock, AtStart) : clock_(clock), outer_(!clock.held_) {
            if (outer_) clock_.held_ = 0.0;
        }
        ~Hold() {
            if (outer_) clock_.held_.reset();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        MonotonicClock& clock_;
        bool outer_;
    };

    MonotonicClock() { timer_.start(); }
    double nowMs() const override { return held_ ? *held_ : running(); }

private:
    double running() const { return std::floor(static_cast<double>(timer_.nsecsElapsed()) / 1e3) / 1e3; }

    QElapsedTimer timer_;
    std::optional<double> held_;
};

}  // namespace quorlak
