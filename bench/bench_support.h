#pragma once
// Small tools the benchmark parts share: a clock that stays put, a host that
// does nothing, timing, medians and the process's peak memory.

#include <QFont>
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "canvas/pictures.h"
#include "core/core_host.h"

namespace quorlak::bench {

class StillClock : public Clock {
public:
    double nowMs() const override { return now; }
    double now = 0;
};

class NullHost : public CoreHost {
public:
    void write(std::string_view bytes) override { written += bytes.size(); }
    void beep() override {}
    void broadcastKey(int16_t) override {}
    uint16_t heldModifiers() const override { return 0; }
    std::string clipboardText() const override { return {}; }
    void showItemMenu() override {}
    size_t written = 0;
};

using Stopwatch = std::chrono::steady_clock;

inline double secondsSince(Stopwatch::time_point start) {
    return std::chrono::duration<double>(Stopwatch::now() - start).count();
}

// CPU time of the process (its other threads sleep): on a machine shared
// with others, throughput is measured in it, so that time spent descheduled
// does not count.
inline double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The value below which `fraction` of the samples lie (nearest rank).
inline double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t rank = static_cast<size_t>(fraction * double(values.size()));
    return values[std::min(rank, values.size() - 1)];
}

// Peak resident set of this process so far (VmHWM), in MiB.
double peakMemoryMiB();

// The data files every part draws with, loaded once.
struct Assets {
    Pictures pictures;
    QFont font;
};
const Assets& assets();

// Keeps the optimiser from dropping a computed value.
inline void keep(uint64_t value) {
    static volatile uint64_t sink;
    sink = sink + value;
}

}  // namespace quorlak::bench
