#pragma once
// A small seeded generator (splitmix64), so that a game replays identically
// for the same seed and the same keys; std:: engines differ between libraries.

#include <QtGlobal>

namespace quorlak::server {

class Random {
public:
    explicit Random(quint64 seed) : state_(seed) {}

    quint64 next() {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 .. n-1; 0 when n <= 0.
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }

    // lo .. hi, both included.
    int between(int lo, int hi) { return hi <= lo ? lo : lo + below(hi - lo + 1); }

    bool chance(int percent) { return below(100) < percent; }

private:
    quint64 state_;
};

}  // namespace quorlak::server
