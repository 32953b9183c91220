#include "key_item_parser.h"

namespace quorlak::server {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<KeyEvent> KeyItemParser::push(char byte) {
    if (byte == '\0') {
        // A zero can only belong to the keep-alive; it abandons any half item.
        if (state_ == State::AfterZero) {
            state_ = State::Idle;
            return KeyEvent::keepAlive();
        }
        state_ = State::AfterZero;
        return std::nullopt;
    }

    switch (state_) {
        case State::Idle:
        case State::AfterZero: resync(byte); break;
        case State::AfterBlank:
            if (isDigit(byte)) {
                code_ = byte - '0';
                state_ = State::Code;
            } else {
                resync(byte);
            }
            break;
        case State::Code:
            if (isDigit(byte) && code_ * 10 + (byte - '0') <= kMaxCode) {
                code_ = code_ * 10 + (byte - '0');
            } else if (byte == ',') {
                state_ = State::AfterComma;
            } else {
                resync(byte);
            }
            break;
        case State::AfterComma:
            if (byte == ' ') state_ = State::AfterMaskBlank;
            else resync(byte);
            break;
        case State::AfterMaskBlank:
            if (isDigit(byte)) {
                state_ = State::Idle;
                return KeyEvent::key(code_, byte - '0');
            }
            resync(byte);
            break;
    }
    return std::nullopt;
}

std::vector<KeyEvent> KeyItemParser::feed(QByteArrayView bytes) {
    std::vector<KeyEvent> events;
    feed(bytes, [&](const KeyEvent& event) { events.push_back(event); });
    return events;
}

void KeyItemParser::resync(char byte) {
    // Every item starts with a blank, so a blank is where reading can pick up again.
    state_ = byte == ' ' ? State::AfterBlank : State::Idle;
}

}  // namespace quorlak::server
