#pragma once
// One key press from the player, or the idle keep-alive.

namespace quorlak::server {

struct KeyEvent {
    enum class Kind { Key, KeepAlive };

    Kind kind = Kind::Key;
    int code = 0;  // Windows virtual-key code
    int mask = 0;  // 1 Shift, 2 Ctrl, 4 Alt

    static KeyEvent key(int code, int mask = 0) { return {Kind::Key, code, mask}; }
    static KeyEvent keepAlive() { return {Kind::KeepAlive, 0, 0}; }
    bool operator==(const KeyEvent&) const = default;
};

}  // namespace quorlak::server
