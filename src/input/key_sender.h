#pragma once
// Writes key items to the server. While the text entry box is visible each
// write of a key string is followed by a gap of more than 0.2 s before the
// next write; writes wait in order in a queue instead of a nested wait, so
// the window keeps handling events meanwhile.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "panels/panel_models.h"
#include "session/host.h"

namespace quorlak {

class KeySender {
public:
    static constexpr double kGapMs = 200;

    using Writer = std::function<void(std::string_view)>;
    KeySender(const Clock& clock, const TextBoxModel& box, Writer write)
        : clock_(clock), box_(box), write_(std::move(write)) {}

    // One key item in a write of its own. It never starts a gap, but waits
    // behind earlier writes that are still queued so a handler's order holds.
    void sendkey(int16_t code, int16_t mask);
    // One key item per character, in writes of at most ten (one each with
    // `oneatatime`); each write may start a gap.
    void sendkeys(std::string_view keys, bool oneatatime = false);

    // Sends whatever the gap allows now.
    void poll();
    // When poll() next has something to do.
    std::optional<double> nextWake() const;
    bool idle() const { return queue_.empty(); }

private:
    struct PendingWrite {
        std::string bytes;
        bool paced;  // a write of sendkeys: the box check follows it
    };
    void submit(std::string bytes, bool paced);
    bool gapRunning(double now) const;
    void writeNow(std::string_view bytes, bool paced, double now);

    const Clock& clock_;
    const TextBoxModel& box_;
    Writer write_;
    std::deque<PendingWrite> queue_;
    std::optional<double> lastPacedWrite_;  // set while a gap may be running
};

}  // namespace quorlak
