#pragma once
// One client core for every input of a fuzz run. Each input gets a core in
// the state a new one has after loading, made on the canvas of the one
// before, with a clock and a host of its own: an input costs what its own
// events cost, not the set-up of a picture, a font's glyphs or a window.

#include <optional>

#include "core/client_core.h"
#include "core/turn_budget.h"
#include "replay/replay_host.h"
#include "replay/virtual_clock.h"

namespace quorlak::fuzz {

class CoreRig {
public:
    // A new session: the core as the window has it once loaded and shown.
    ClientCore& restart(TurnBudget* budget = nullptr);

    ClientCore& core() { return *core_; }
    VirtualClock& clock() { return clock_; }
    // Both sessions show the same: the picture, the state the replay driver
    // reports (what was sent, the panels, the modes ...) and the unfinished record.
    bool showsTheSameAs(const CoreRig& other) const;

private:
    VirtualClock clock_;
    ReplayHost host_;
    std::optional<ClientCore> core_;
};

// Ends a turn after a fixed number of records, so that where a slice ends
// depends only on the input.
class RecordCountBudget : public TurnBudget {
public:
    explicit RecordCountBudget(int perTurn) : perTurn_(perTurn) {}
    void begin() override { left_ = perTurn_; }
    bool spent() override { return --left_ <= 0; }

private:
    int perTurn_;
    int left_ = 0;
};

}  // namespace quorlak::fuzz
