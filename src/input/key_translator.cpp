#include "input/key_translator.h"

#include <algorithm>
#include <utility>

#include "base/cp1252.h"
#include "input/us_layout.h"

namespace quorlak {

namespace {

struct Accent {
    int qtKey;
    char32_t alone;      // the accent typed by itself
    char32_t combining;  // the accent that joins a letter
};

constexpr Accent kAccents[] = {
    {Qt::Key_Dead_Grave, U'`', 0x0300},         {Qt::Key_Dead_Acute, 0x00B4, 0x0301},
    {Qt::Key_Dead_Circumflex, U'^', 0x0302},    {Qt::Key_Dead_Tilde, U'~', 0x0303},
    {Qt::Key_Dead_Macron, 0x00AF, 0x0304},      {Qt::Key_Dead_Diaeresis, 0x00A8, 0x0308},
    {Qt::Key_Dead_Abovering, 0x02DA, 0x030A},   {Qt::Key_Dead_Caron, 0x02C7, 0x030C},
    {Qt::Key_Dead_Cedilla, 0x00B8, 0x0327},     {Qt::Key_Dead_Ogonek, 0x02DB, 0x0328},
    {Qt::Key_Dead_Doubleacute, 0x02DD, 0x030B}, {Qt::Key_Dead_Breve, 0x02D8, 0x0306},
    {Qt::Key_Dead_Abovedot, 0x02D9, 0x0307},
};

const Accent* accentOf(int qtKey) {
    const auto it =
        std::find_if(std::begin(kAccents), std::end(kAccents), [&](const Accent& a) { return a.qtKey == qtKey; });
    return it == std::end(kAccents) ? nullptr : it;
}

bool isModifierKey(int qtKey) {
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt || qtKey == Qt::Key_AltGr ||
           qtKey == Qt::Key_Meta || qtKey == Qt::Key_Super_L || qtKey == Qt::Key_Super_R;
}

// A typed character, as the key press a US keyboard makes for it.
TypedKey typed(char32_t ch, Qt::KeyboardModifiers modifiers) {
    const QString text = QString::fromUcs4(&ch, 1);
    TypedKey out;
    out.key = virtualKeyFor(0, modifiers, text);
    if (!out.key) {
        out.unsendable = ch;
        return out;
    }
    if (const auto byte = unicodeToCp1252(ch)) out.character = static_cast<int16_t>(*byte);
    return out;
}

}  // namespace

bool KeyTranslator::isGameKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    return accentOf(qtKey) || typedCharacter(modifiers, text) || virtualKeyFor(qtKey, modifiers, text) ||
           characterCodeFor(qtKey, modifiers, text);
}

std::vector<TypedKey> KeyTranslator::translate(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const bool chord = modifiers & (Qt::ControlModifier | Qt::AltModifier);
    if (const Accent* accent = accentOf(qtKey); accent && !chord) {
        // The same accent twice types it; another one types the first and waits in its place.
        const Accent* waiting = accentOf(std::exchange(pendingAccent_, accent->qtKey));
        if (waiting == accent) pendingAccent_ = 0;
        if (!waiting) return {};
        return {typed(waiting->alone, {})};
    }
    const Accent* accent = isModifierKey(qtKey) ? nullptr : accentOf(std::exchange(pendingAccent_, 0));
    const auto ch = typedCharacter(modifiers, text);
    if (accent && ch) {
        if (*ch == U' ') return {typed(accent->alone, {})};
        const char32_t pair[] = {*ch, accent->combining};
        const QString joined = QString::fromUcs4(pair, 2).normalized(QString::NormalizationForm_C);
        if (joined.size() == 1) return {typed(joined[0].unicode(), modifiers)};
        return {typed(accent->alone, {}), typed(*ch, modifiers)};
    }
    if (ch) return {typed(*ch, modifiers)};
    TypedKey out;
    out.key = virtualKeyFor(qtKey, modifiers, text);
    out.character = characterCodeFor(qtKey, modifiers, text);
    if (!out.key && !out.character) return {};
    return {out};
}

}  // namespace quorlak
