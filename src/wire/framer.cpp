#include "wire/framer.h"

namespace quorlak {

void StreamFramer::appendTail(std::string_view bytes) {
    if (discarding_) return;
    if (tail_.size() + bytes.size() > kMaxTail) {
        tail_.clear();
        tail_.shrink_to_fit();
        discarding_ = true;
        return;
    }
    tail_.append(bytes);
}

void StreamFramer::feed(std::string_view chunk, RecordHandler& handler) {
    handler.beginChunk();
    const size_t lastSep = chunk.rfind(kSeparator);
    if (lastSep == std::string_view::npos) {
        appendTail(chunk);
        return;
    }

    // The first record joins the old tail with the head of this chunk.
    const size_t firstSep = chunk.find(kSeparator);
    std::string first;
    const bool dropFirst = discarding_;
    if (!dropFirst) {
        first.reserve(tail_.size() + firstSep);
        first.append(tail_).append(chunk.substr(0, firstSep));
    }
    discarding_ = false;

    // The new tail is decided before any record runs, as the window state shows it.
    tail_.clear();
    appendTail(chunk.substr(lastSep + 1));

    const std::string_view complete = chunk.substr(0, lastSep + 1);
    if (!dropFirst && handler.handle(parseRecord(first)) == Flow::Hold) {
        holding_ = true;
        held_.assign(complete.substr(firstSep + 1));
        heldPos_ = 0;
        return;
    }
    dispatch(complete, firstSep + 1, handler);
}

bool StreamFramer::dispatch(std::string_view region, size_t pos, RecordHandler& handler) {
    while (pos < region.size()) {
        const size_t sep = region.find(kSeparator, pos);  // region ends with a separator
        const Flow flow = handler.handle(parseRecord(region.substr(pos, sep - pos)));
        pos = sep + 1;
        if (flow == Flow::Hold) {
            holding_ = true;
            if (region.data() == held_.data()) {
                heldPos_ = pos;
            } else {
                held_.assign(region.substr(pos));
                heldPos_ = 0;
            }
            return false;
        }
    }
    return true;
}

void StreamFramer::resume(RecordHandler& handler) {
    if (!holding_) return;
    holding_ = false;
    if (dispatch(held_, heldPos_, handler)) {
        held_.clear();
        held_.shrink_to_fit();
        heldPos_ = 0;
    }
}

}  // namespace quorlak
