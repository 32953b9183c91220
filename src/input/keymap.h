#pragma once
// Qt key events as the game knows keys: Windows virtual-key codes with a
// modifier mask (1 Shift, 2 Ctrl, 4 Alt), and the character code that the
// character handler sees. A key that types a printable character is the US
// key for that character with the Shift it needs there, on any layout; a
// letter keeps the Shift actually held (Caps Lock never counts). Keys that
// type nothing, the keypad, and chords with Ctrl or Alt keep the key's own
// code and the modifiers held.

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>
#include <span>

class QKeyEvent;

namespace quorlak {

struct VirtualKey {
    int16_t code = 0;
    int16_t mask = 0;
    friend bool operator==(const VirtualKey&, const VirtualKey&) = default;
};

// One row of the key table. Keypad rows apply only to keys of the numeric
// keypad and win over the plain row of the same Qt key.
struct KeyMapEntry {
    int qtKey;
    bool keypad;
    int16_t vk;
};
std::span<const KeyMapEntry> keyMapTable();

int16_t modifierMask(Qt::KeyboardModifiers modifiers);

// The key-down of this event; nothing for keys the game has no code for,
// and for characters no US key types.
std::optional<VirtualKey> virtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text = {});
// The printable character this event types by the layout's rule of characters
// (no Ctrl or Alt held, not the keypad); nothing otherwise.
std::optional<char32_t> typedCharacter(Qt::KeyboardModifiers modifiers, const QString& text);
std::optional<VirtualKey> virtualKeyFor(const QKeyEvent& event);

// The character event of this key press, as the Windows-1252 code Windows
// would give (Ctrl+letter 1..26); nothing for keys that type no character.
std::optional<int16_t> characterCodeFor(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
std::optional<int16_t> characterCodeFor(const QKeyEvent& event);

}  // namespace quorlak
