#pragma once
// Milliseconds on a clock that only moves forward. The window reads the
// system's monotonic clock; the replay driver and the tests move their own.

namespace quorlak {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double nowMs() const = 0;
};

}  // namespace quorlak
