#pragma once
// Writes key items to the server. While the text entry box is visible each
// write of a key string is followed by a gap of more than 0.2 s before its
// handler goes on. The gap is a wait that handles events: a handler that
// runs meanwhile writes at once, and the waiting handler goes on only after
// it is done, as nested waits would. Waiting steps are queued per handler
// instead of nesting calls, so the window stays live.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "input/text_entry.h"

namespace quorlak {

class KeySender {
public:
    static constexpr double kGapMs = 200;
    // Handlers started inside each other's waits; deeper ones queue behind the innermost.
    static constexpr size_t kMaxNesting = 256;

    using Writer = std::function<void(std::string_view)>;
    KeySender(const Clock& clock, const TextBoxModel& box, Writer write)
        : clock_(clock), box_(box), write_(std::move(write)) {}

    // The handler of a new window event starts; what it sends and its later
    // steps belong to it. Without this, everything belongs to one handler.
    void beginHandler();
    // One key item in a write of its own. It never starts a gap, but waits
    // for the gaps of its handler's earlier writes.
    void sendKey(int16_t code, int16_t mask);
    // One key item per character, in writes of at most ten (one each with
    // `oneKeyPerWrite`); each write may start a gap.
    void sendText(std::string_view text, bool oneKeyPerWrite = false);
    // A step of the running handler after its sending: it runs once the
    // handler's writes so far have gone out and their gaps have passed.
    void then(std::function<void()> step);

    // Goes on with whatever the gaps allow now.
    void poll();
    // When poll() next has something to do.
    std::optional<double> nextWake() const;
    bool idle() const;

private:
    struct Step {
        std::string bytes;
        bool paced = false;            // a write of sendText: the box check follows it
        std::function<void()> action;  // set for a step that is not a write
    };
    struct Handler {
        std::deque<Step> steps;
        std::optional<double> lastPacedWrite;  // set while its gap may be running
    };
    void submit(Step step);
    bool waiting(const Handler& handler, double now) const;
    // Runs a step of the innermost handler.
    void perform(Step& step, double now);

    const Clock& clock_;
    const TextBoxModel& box_;
    Writer write_;
    std::vector<Handler> handlers_;  // innermost last
};

}  // namespace quorlak
