#pragma once
// Cuts the received byte stream into records at the separator and hands them,
// in order, to a RecordHandler.
//
// Cost is linear in the data however it is chunked: only the new chunk is
// scanned, and the unfinished tail is appended to, never re-split. The tail
// is bounded: a record that grows past kMaxTail without a separator is
// dropped whole (its bytes up to the next separator are discarded), so a
// server that never sends a separator cannot exhaust memory.

#include <cstddef>
#include <string>
#include <string_view>

#include "wire/record.h"

namespace quorlak {

class StreamFramer {
public:
    static constexpr size_t kMaxTail = size_t{1} << 20;  // 1 MiB

    // Frames one received chunk. Stops early when the handler holds the
    // stream; the complete records not yet handled are kept for resume().
    // Must not be called while holding().
    void feed(std::string_view chunk, RecordHandler& handler);

    bool holding() const { return holding_; }
    // A new connection: its stream starts afresh, so neither the unfinished
    // record of the old one nor its records held behind a pause carry over.
    void restart() {
        tail_.clear();
        discarding_ = false;
        holding_ = false;
        held_.clear();
        heldPos_ = 0;
    }
    // Goes on with the held records; may hold again.
    void resume(RecordHandler& handler);

    // True while the bytes of an oversized record are being thrown away.
    bool discarding() const { return discarding_; }
    size_t heldBytes() const { return held_.size() - heldPos_; }
    // The unfinished record that waits for the next chunk.
    const std::string& tail() const { return tail_; }

private:
    // Handles the separator-terminated records of `region` from `pos` on.
    // Returns true when it finished, false when the handler held the stream
    // (then the rest is copied to held_).
    bool dispatch(std::string_view region, size_t pos, RecordHandler& handler);
    void appendTail(std::string_view bytes);

    std::string tail_;
    bool discarding_ = false;
    bool holding_ = false;
    std::string held_;
    size_t heldPos_ = 0;
};

}  // namespace quorlak
