#pragma once
// The keys the game gives a meaning of their own, and the characters keys type.

#include <QChar>

namespace quorlak::server {

// Windows virtual-key codes.
namespace vkey {
enum : int {
    Backspace = 8,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Escape = 27,
    PageUp = 33,
    PageDown = 34,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    F1 = 112,
    F5 = 116,
    F7 = 118,
};
}  // namespace vkey

// The bits of a key item's modifier mask.
namespace key_mask {
enum : int { Shift = 1, Control = 2, Alt = 4 };
}  // namespace key_mask

// The character a key types on a US keyboard, or a null QChar for keys that
// type nothing (arrows, function keys, chords with Ctrl or Alt). Codes that no
// keyboard key produces but the client sends for pasted or boxed text (its
// "," is 44 and its "." is 46) read as those characters.
QChar typedCharacter(int code, int mask);

}  // namespace quorlak::server
