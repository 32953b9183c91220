#pragma once
// Reads the client's key stream: items " CODE, MASK" back to back with no
// framing, and two zero bytes as keep-alive. Works byte by byte, so items split
// across reads need nothing special, and keeps only a few integers of state, so
// no input can make it grow. Bytes that fit no item are skipped; the parser
// resynchronises on the next blank.
//
// The mask is a single digit (Shift + Ctrl + Alt is at most 7). Taking the
// item as complete at that digit means the last key of a burst is handled at
// once instead of waiting for the next item to show where this one ends.

#include <QByteArrayView>
#include <optional>
#include <vector>

#include "key_event.h"

namespace quorlak::server {

class KeyItemParser {
public:
    std::optional<KeyEvent> push(char byte);
    std::vector<KeyEvent> feed(QByteArrayView bytes);

    template <typename OnEvent>
    void feed(QByteArrayView bytes, OnEvent&& onEvent) {
        for (char byte : bytes) {
            if (auto event = push(byte)) onEvent(*event);
        }
    }

private:
    enum class State { Idle, AfterBlank, Code, AfterComma, AfterMaskBlank, AfterZero };

    void resync(char byte);

    static constexpr int kMaxCode = 0xFFFF;

    State state_ = State::Idle;
    int code_ = 0;
};

}  // namespace quorlak::server
