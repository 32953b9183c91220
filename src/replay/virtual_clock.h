#pragma once
// The replay driver's clock: it moves only when told.

#include "base/clock.h"

namespace quorlak {

class VirtualClock : public Clock {
public:
    double nowMs() const override { return now_; }
    // Never goes back.
    void setNow(double ms) {
        if (ms > now_) now_ = ms;
    }

private:
    double now_ = 0;
};

}  // namespace quorlak
