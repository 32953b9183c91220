#include "input/key_sender.h"

#include <cmath>

#include "input/key_items.h"

namespace quorlak {

void KeySender::sendkey(int16_t code, int16_t mask) { submit(keyItem(code, mask), false); }

void KeySender::sendkeys(std::string_view keys, bool oneatatime) {
    const size_t perWrite = oneatatime ? 1 : kMaxItemsPerWrite;
    std::string pending;
    size_t count = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto [code, mask] = keyForChar(static_cast<uint8_t>(keys[i]));
        pending += keyItem(code, mask);
        if (++count == perWrite || i + 1 == keys.size()) {
            submit(std::move(pending), true);
            pending.clear();
            count = 0;
        }
    }
}

bool KeySender::gapRunning(double now) const { return lastPacedWrite_ && !(now - *lastPacedWrite_ > kGapMs); }

// Only called when no gap runs.
void KeySender::writeNow(std::string_view bytes, bool paced, double now) {
    // Whether a gap follows is decided by the box as it is at the write.
    if (paced && box_.visible)
        lastPacedWrite_ = now;
    else
        lastPacedWrite_.reset();
    write_(bytes);
}

void KeySender::submit(std::string bytes, bool paced) {
    const double now = clock_.nowMs();
    if (queue_.empty() && !gapRunning(now)) {
        writeNow(bytes, paced, now);
        return;
    }
    queue_.push_back({std::move(bytes), paced});
}

void KeySender::poll() {
    const double now = clock_.nowMs();
    while (!queue_.empty() && !gapRunning(now)) {
        PendingWrite next = std::move(queue_.front());
        queue_.pop_front();
        writeNow(next.bytes, next.paced, now);
    }
}

std::optional<double> KeySender::nextWake() const {
    if (queue_.empty() || !lastPacedWrite_) return std::nullopt;
    // The first whole millisecond strictly past the gap.
    return std::floor(*lastPacedWrite_ + kGapMs) + 1;
}

}  // namespace quorlak
