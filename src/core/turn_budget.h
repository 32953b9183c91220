#pragma once
// How many received records one turn of the window's event loop may run.
// Records are never cut: the core asks after each one whether the turn is
// over, and the rest of the stream waits, in order, for the next turn, so
// keys and repaints get their turn while the server floods.

namespace quorlak {

class TurnBudget {
public:
    virtual ~TurnBudget() = default;
    // The core starts running records for one turn.
    virtual void begin() = 0;
    // Called after each record: true once the turn has had its share.
    virtual bool spent() = 0;
};

}  // namespace quorlak
