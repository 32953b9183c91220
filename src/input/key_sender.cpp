#include "input/key_sender.h"

#include <algorithm>
#include <cmath>

#include "wire/key_items.h"

namespace quorlak {

void KeySender::beginHandler() {
    // Whatever has become due goes first; finished handlers leave no trace.
    poll();
    if (handlers_.size() >= kMaxNesting) return;
    handlers_.emplace_back();
}

void KeySender::sendKey(int16_t code, int16_t mask) { submit({keyItem(code, mask), false, {}}); }

void KeySender::sendText(std::string_view keys, bool oneKeyPerWrite) {
    const size_t perWrite = oneKeyPerWrite ? 1 : kMaxItemsPerWrite;
    std::string pending;
    size_t count = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto [code, mask] = keyForChar(static_cast<uint8_t>(keys[i]));
        pending += keyItem(code, mask);
        if (++count == perWrite || i + 1 == keys.size()) {
            submit({std::move(pending), true, {}});
            pending.clear();
            count = 0;
        }
    }
}

void KeySender::then(std::function<void()> step) { submit({{}, false, std::move(step)}); }

bool KeySender::waiting(const Handler& handler, double now) const {
    return handler.lastPacedWrite && !(now - *handler.lastPacedWrite > kGapMs);
}

void KeySender::perform(Step& step, double now) {
    if (step.action) {
        step.action();
        return;
    }
    // Whether a gap follows is decided by the box as it is at the write.
    Handler& handler = handlers_.back();
    if (step.paced && box_.visible) handler.lastPacedWrite = now;
    else handler.lastPacedWrite.reset();
    write_(step.bytes);
}

void KeySender::submit(Step step) {
    if (handlers_.empty()) handlers_.emplace_back();
    const double now = clock_.nowMs();
    Handler& handler = handlers_.back();
    if (handler.steps.empty() && !waiting(handler, now)) {
        perform(step, now);
        return;
    }
    handler.steps.push_back(std::move(step));
}

void KeySender::poll() {
    const double now = clock_.nowMs();
    // Only the innermost handler can go on; the others wait until it is done.
    while (!handlers_.empty()) {
        Handler& inner = handlers_.back();
        if (waiting(inner, now)) return;
        if (inner.steps.empty()) {
            handlers_.pop_back();
            continue;
        }
        Step step = std::move(inner.steps.front());
        inner.steps.pop_front();
        perform(step, now);
    }
}

bool KeySender::idle() const {
    return std::all_of(handlers_.begin(), handlers_.end(), [](const Handler& h) { return h.steps.empty(); });
}

std::optional<double> KeySender::nextWake() const {
    if (idle()) return std::nullopt;
    const double now = clock_.nowMs();
    // The innermost handler that still holds the others up decides.
    for (auto it = handlers_.rbegin(); it != handlers_.rend(); ++it) {
        // The first whole millisecond strictly past its gap.
        if (waiting(*it, now)) return std::floor(*it->lastPacedWrite + kGapMs) + 1;
        if (!it->steps.empty()) return now;
    }
    return now;
}

}  // namespace quorlak
