#include "input/keymap.h"

#include <QKeyEvent>
#include <algorithm>
#include <vector>

#include "base/cp1252.h"
#include "input/us_layout.h"

namespace quorlak {

namespace {

std::vector<KeyMapEntry> buildTable() {
    std::vector<KeyMapEntry> t = {
        {Qt::Key_Backspace, false, 8},
        {Qt::Key_Tab, false, 9},
        {Qt::Key_Backtab, false, 9},  // Shift+Tab
        {Qt::Key_Clear, false, 12},   // keypad 5 without NumLock
        {Qt::Key_Return, false, 13},
        {Qt::Key_Enter, false, 13},
        {Qt::Key_Shift, false, 16},
        {Qt::Key_Control, false, 17},
        {Qt::Key_Alt, false, 18},
        {Qt::Key_AltGr, false, 18},
        {Qt::Key_Pause, false, 19},
        {Qt::Key_CapsLock, false, 20},
        {Qt::Key_Escape, false, 27},
        {Qt::Key_Space, false, 32},
        {Qt::Key_PageUp, false, 33},
        {Qt::Key_PageDown, false, 34},
        {Qt::Key_End, false, 35},
        {Qt::Key_Home, false, 36},
        {Qt::Key_Left, false, 37},
        {Qt::Key_Up, false, 38},
        {Qt::Key_Right, false, 39},
        {Qt::Key_Down, false, 40},
        {Qt::Key_Print, false, 44},
        {Qt::Key_Insert, false, 45},
        {Qt::Key_Delete, false, 46},
        {Qt::Key_Super_L, false, 91},
        {Qt::Key_Meta, false, 91},
        {Qt::Key_Super_R, false, 92},
        {Qt::Key_Menu, false, 93},
        {Qt::Key_NumLock, false, 144},
        {Qt::Key_ScrollLock, false, 145},

        // Shifted digits are their digit key.
        {Qt::Key_ParenRight, false, 48},
        {Qt::Key_Exclam, false, 49},
        {Qt::Key_At, false, 50},
        {Qt::Key_NumberSign, false, 51},
        {Qt::Key_Dollar, false, 52},
        {Qt::Key_Percent, false, 53},
        {Qt::Key_AsciiCircum, false, 54},
        {Qt::Key_Ampersand, false, 55},
        {Qt::Key_Asterisk, false, 56},
        {Qt::Key_ParenLeft, false, 57},

        // US punctuation keys, unshifted and shifted.
        {Qt::Key_Semicolon, false, 186},
        {Qt::Key_Colon, false, 186},
        {Qt::Key_Equal, false, 187},
        {Qt::Key_Plus, false, 187},
        {Qt::Key_Comma, false, 188},
        {Qt::Key_Less, false, 188},
        {Qt::Key_Minus, false, 189},
        {Qt::Key_Underscore, false, 189},
        {Qt::Key_Period, false, 190},
        {Qt::Key_Greater, false, 190},
        {Qt::Key_Slash, false, 191},
        {Qt::Key_Question, false, 191},
        {Qt::Key_QuoteLeft, false, 192},
        {Qt::Key_AsciiTilde, false, 192},
        {Qt::Key_BracketLeft, false, 219},
        {Qt::Key_BraceLeft, false, 219},
        {Qt::Key_Backslash, false, 220},
        {Qt::Key_Bar, false, 220},
        {Qt::Key_BracketRight, false, 221},
        {Qt::Key_BraceRight, false, 221},
        {Qt::Key_Apostrophe, false, 222},
        {Qt::Key_QuoteDbl, false, 222},

        // The numeric keypad with NumLock; without it the keypad sends the
        // navigation keys above.
        {Qt::Key_Asterisk, true, 106},
        {Qt::Key_Plus, true, 107},
        {Qt::Key_Minus, true, 109},
        {Qt::Key_Period, true, 110},
        {Qt::Key_Comma, true, 110},  // the decimal key of some layouts
        {Qt::Key_Slash, true, 111},
    };
    for (int i = 0; i < 26; ++i) t.push_back({Qt::Key_A + i, false, static_cast<int16_t>(65 + i)});
    for (int i = 0; i < 10; ++i) {
        t.push_back({Qt::Key_0 + i, false, static_cast<int16_t>(48 + i)});
        t.push_back({Qt::Key_0 + i, true, static_cast<int16_t>(96 + i)});
    }
    for (int i = 0; i < 24; ++i) t.push_back({Qt::Key_F1 + i, false, static_cast<int16_t>(112 + i)});
    return t;
}

const std::vector<KeyMapEntry>& table() {
    static const std::vector<KeyMapEntry> t = buildTable();
    return t;
}

std::optional<int16_t> lookup(int qtKey, bool keypad) {
    const auto& t = table();
    if (keypad) {
        const auto pad = std::find_if(t.begin(), t.end(), [&](const auto& e) { return e.keypad && e.qtKey == qtKey; });
        if (pad != t.end()) return pad->vk;
    }
    const auto plain = std::find_if(t.begin(), t.end(), [&](const auto& e) { return !e.keypad && e.qtKey == qtKey; });
    if (plain != t.end()) return plain->vk;
    return std::nullopt;
}

}  // namespace

std::span<const KeyMapEntry> keyMapTable() { return table(); }

int16_t modifierMask(Qt::KeyboardModifiers modifiers) {
    int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

std::optional<char32_t> typedCharacter(Qt::KeyboardModifiers modifiers, const QString& text) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier)) return std::nullopt;
    const QList<uint> chars = text.toUcs4();
    if (chars.size() != 1 || chars[0] < 0x20 || (chars[0] >= 0x7F && chars[0] < 0xA0)) return std::nullopt;
    return static_cast<char32_t>(chars[0]);
}

std::optional<VirtualKey> virtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (const auto ch = typedCharacter(modifiers, text)) {
        const auto us = usKeyFor(*ch);
        if (!us) return std::nullopt;
        const bool letter = (*ch >= U'a' && *ch <= U'z') || (*ch >= U'A' && *ch <= U'Z');
        const bool shift = letter ? bool(modifiers & Qt::ShiftModifier) : us->shift;
        return VirtualKey{us->code, static_cast<int16_t>(shift ? 1 : 0)};
    }
    auto code = lookup(qtKey, modifiers & Qt::KeypadModifier);
    // A key Qt cannot name may still type a plain ASCII character.
    if (!code && text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F)
        code = lookup(QChar(text[0]).toUpper().unicode(), false);
    if (!code) return std::nullopt;
    return VirtualKey{*code, modifierMask(modifiers)};
}

std::optional<VirtualKey> virtualKeyFor(const QKeyEvent& event) {
    return virtualKeyFor(event.key(), event.modifiers(), event.text());
}

std::optional<int16_t> characterCodeFor(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    // Alt combinations are menu keys on Windows: no character.
    if (modifiers & Qt::AltModifier) return std::nullopt;
    if (modifiers & Qt::ControlModifier) {
        if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<int16_t>(qtKey - Qt::Key_A + 1);
        switch (qtKey) {
            case Qt::Key_BracketLeft: return 27;
            case Qt::Key_Backslash: return 28;
            case Qt::Key_BracketRight: return 29;
            case Qt::Key_Return:
            case Qt::Key_Enter: return 10;
            case Qt::Key_Backspace: return 127;
            case Qt::Key_Space: return 32;
            default: return std::nullopt;
        }
    }
    switch (qtKey) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Delete: return std::nullopt;  // some platforms give it text 127
        default: break;
    }
    if (text.isEmpty()) return std::nullopt;
    const char32_t ch = text.toUcs4().value(0);
    if (ch < 0x20 || ch == 0x7F) return std::nullopt;
    const auto byte = unicodeToCp1252(ch);
    if (!byte) return std::nullopt;
    return static_cast<int16_t>(*byte);
}

std::optional<int16_t> characterCodeFor(const QKeyEvent& event) {
    return characterCodeFor(event.key(), event.modifiers(), event.text());
}

}  // namespace quorlak
