#pragma once

#include <QByteArrayView>
#include <optional>
#include <vector>

// One key press from the player, or the idle keep-alive.
struct KeyEvent {
    enum class Kind { Key, KeepAlive };

    Kind kind = Kind::Key;
    int code = 0;  // Windows virtual-key code
    int mask = 0;  // 1 Shift, 2 Ctrl, 4 Alt

    static KeyEvent key(int code, int mask = 0) { return {Kind::Key, code, mask}; }
    static KeyEvent keepAlive() { return {Kind::KeepAlive, 0, 0}; }
    bool operator==(const KeyEvent&) const = default;
};

// Reads the client's key stream: items " CODE, MASK" back to back with no
// framing, and two zero bytes as keep-alive. Works byte by byte, so items split
// across reads need nothing special, and keeps only a few integers of state, so
// no input can make it grow. Bytes that fit no item are skipped; the parser
// resynchronises on the next blank.
//
// The mask is a single digit (Shift + Ctrl + Alt is at most 7). Taking the
// item as complete at that digit means the last key of a burst is handled at
// once instead of waiting for the next item to show where this one ends.
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

    static constexpr int maxCode = 0xFFFF;

    State state_ = State::Idle;
    int code_ = 0;
};
