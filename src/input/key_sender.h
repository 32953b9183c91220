#pragma once
// Writes key items to the server. While the text entry box is visible each
// write of a key string is followed by 0.2 s in which nothing else of the
// queue goes out; writes wait in order in a queue instead of a nested wait.

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
    using Writer = std::function<void(std::string_view)>;
    KeySender(const Clock& clock, const TextBoxModel& box, Writer write)
        : clock_(clock), box_(box), write_(std::move(write)) {}

    void sendkey(int16_t code, int16_t mask);
    void sendkeys(std::string_view keys, bool oneatatime = false);

    // Sends whatever the pacing allows now.
    void poll();
    // When poll() next has something to do.
    std::optional<double> nextWake() const;
    bool idle() const { return queue_.empty(); }

private:
    struct PendingWrite {
        std::string bytes;
        bool paced;  // a write of sendkeys: the box check follows it
    };
    void enqueue(std::string bytes, bool paced);

    const Clock& clock_;
    const TextBoxModel& box_;
    Writer write_;
    std::deque<PendingWrite> queue_;
    std::optional<double> lastPacedWrite_;  // set while a 0.2 s gap is running
};

}  // namespace quorlak
