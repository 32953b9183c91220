#pragma once
// Turns the window's key events into what the game gets: the key-down item,
// the character event, or, for a character no US key types, a refusal the
// player is told of. Accent keys (dead keys) wait for the next key, as the
// desktop's own typing does: with a blank or themselves they type the accent
// alone, with a letter the accented letter.

#include <QString>
#include <Qt>
#include <optional>
#include <vector>

#include "input/keymap.h"

namespace quorlak {

struct TypedKey {
    std::optional<VirtualKey> key;     // the key-down
    std::optional<int16_t> character;  // the character event, Windows-1252
    char32_t unsendable = 0;           // typed, but no US key types it: nothing goes out
};

class KeyTranslator {
public:
    // One key press; none, one or (an accent that combines with nothing) two results.
    std::vector<TypedKey> translate(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

    // Keys that are the game's: every key the game has a code for and every
    // typing key. The window lets no shortcut or menu mnemonic take them.
    static bool isGameKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

private:
    int pendingAccent_ = 0;  // the Qt key of an accent waiting for its letter
};

}  // namespace quorlak
