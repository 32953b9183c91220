#pragma once

#include <QChar>

// Windows virtual-key codes that have a meaning of their own in the game.
namespace Vk {
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
}

namespace KeyMask {
enum : int { Shift = 1, Control = 2, Alt = 4 };
}

// The character a key types on a US keyboard, or a null QChar for keys that
// type nothing (arrows, function keys, chords with Ctrl or Alt). Codes that no
// keyboard key produces but the client sends for pasted or boxed text (its
// "," is 44 and its "." is 46) read as those characters.
QChar typedCharacter(int code, int mask);
