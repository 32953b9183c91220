#pragma once
// The reference stream: what the stand-in game server sends one player over
// a long, busy session. Made in-process, byte for byte what the socket would
// carry, and cached beside the benchmark so it is made only once.

#include <QString>
#include <cstddef>
#include <string>

namespace quorlak::bench {

// Plays until the first player has been sent at least `minBytes`.
std::string makeReferenceStream(size_t minBytes);

// The cached stream at `path`, made (and written there) if missing or short.
std::string loadReferenceStream(const QString& path, size_t minBytes);

}  // namespace quorlak::bench
