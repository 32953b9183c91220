#pragma once
// The window's clock: the system's monotonic clock, from the window's creation.

#include <QElapsedTimer>

#include "base/clock.h"

namespace quorlak {

class MonotonicClock : public Clock {
public:
    MonotonicClock() { timer_.start(); }
    double nowMs() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e6; }

private:
    QElapsedTimer timer_;
};

}  // namespace quorlak
