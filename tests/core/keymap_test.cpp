// Qt key events as virtual-key codes, masks and character codes.
#include "input/keymap.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace quorlak;

namespace {

constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kPad = Qt::KeypadModifier;

VirtualKey key(int code, int mask = 0) { return {int16_t(code), int16_t(mask)}; }

}  // namespace

TEST(KeyMap, EachQtKeyAppearsOnceOnEachSideWithAValidCode) {
    std::set<std::pair<int, bool>> seen;
    for (const auto& e : keyMapTable()) {
        EXPECT_TRUE(seen.insert({e.qtKey, e.keypad}).second) << "duplicate " << e.qtKey;
        EXPECT_TRUE(e.vk >= 1 && e.vk <= 254) << e.qtKey;
    }
}

TEST(KeyMap, RangesOfKeysAndTheMask) {
    for (int i = 0; i < 26; ++i) EXPECT_EQ(virtualKeyFor(Qt::Key_A + i, kNone), key(65 + i));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(virtualKeyFor(Qt::Key_0 + i, kPad), key(96 + i));
    const std::pair<Qt::KeyboardModifiers, VirtualKey> masks[] = {{kShift, key(88, 1)},
                                                                  {kCtrl, key(88, 2)},
                                                                  {kCtrl | kShift, key(88, 3)},
                                                                  {kAlt | kCtrl | kShift, key(88, 7)},
                                                                  {Qt::MetaModifier, key(88, 0)}};
    for (const auto& [mods, vk] : masks) EXPECT_EQ(virtualKeyFor(Qt::Key_X, mods), vk);
    // the modifier keys themselves carry their own bit
    EXPECT_EQ(virtualKeyFor(Qt::Key_Shift, kShift), key(16, 1));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Control, kCtrl), key(17, 2));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Alt, kAlt), key(18, 4));
}

TEST(KeyMap, ShiftedSymbolsAreTheKeyTheyAreTypedOnAndTheKeypadWithoutNumLockNavigates) {
    EXPECT_EQ(virtualKeyFor(Qt::Key_AsciiTilde, kShift), key(192, 1));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Colon, kShift), key(186, 1));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Backtab, kShift), key(9, 1));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Enter, kPad), key(13));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Home, kPad), key(36));
    EXPECT_EQ(virtualKeyFor(Qt::Key_Clear, kPad), key(12));
}

TEST(KeyMap, UnknownKeyFallsBackOnItsAsciiText) {
    EXPECT_EQ(virtualKeyFor(0, kNone, "a"), key(65));
    EXPECT_EQ(virtualKeyFor(Qt::Key_unknown, kShift, "~"), key(192, 1));
    EXPECT_EQ(virtualKeyFor(Qt::Key_unknown, kNone, QString()), std::nullopt);
    EXPECT_EQ(virtualKeyFor(Qt::Key_Adiaeresis, kNone, QStringLiteral("\u00e4")), std::nullopt);
    EXPECT_EQ(virtualKeyFor(Qt::Key_VolumeUp, kNone), std::nullopt);
}

TEST(CharacterCode, TypedTextAsItsCodePageByteAndControlsAsWindowsGivesThem) {
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        std::optional<int16_t> code;
    };
    // clang-format off
    const Case cases[] = {
        {Qt::Key_A, kNone, "a", 97}, {Qt::Key_A, kShift, "A", 65}, {Qt::Key_QuoteLeft, kNone, "`", 96},
        {Qt::Key_AsciiTilde, kShift, "~", 126}, {Qt::Key_Colon, kShift, ":", 58}, {Qt::Key_5, kPad, "5", 53},
        {Qt::Key_Eacute, kNone, QStringLiteral("\u00e9"), 233}, {Qt::Key_unknown, kNone, QStringLiteral("\u20ac"), 0x80},
        {Qt::Key_unknown, kNone, QStringLiteral("\u0416"), std::nullopt},  // not in the code page
        // control characters as Windows gives them, also where Qt gives no text
        {Qt::Key_V, kCtrl, "\x16", 22}, {Qt::Key_A, kCtrl, QString(), 1}, {Qt::Key_Z, kCtrl | kShift, "\x1a", 26},
        {Qt::Key_BracketLeft, kCtrl, "\x1b", 27}, {Qt::Key_Backslash, kCtrl, "\x1c", 28},
        {Qt::Key_BracketRight, kCtrl, "\x1d", 29}, {Qt::Key_Return, kCtrl, "\r", 10},
        {Qt::Key_Backspace, kCtrl, "\x7f", 127}, {Qt::Key_Space, kCtrl, " ", 32}, {Qt::Key_1, kCtrl, "1", std::nullopt},
        {Qt::Key_Return, kNone, "\r", 13}, {Qt::Key_Enter, kPad, "\r", 13}, {Qt::Key_Backspace, kNone, "\b", 8},
        {Qt::Key_Escape, kNone, "\x1b", 27}, {Qt::Key_Tab, kNone, "\t", 9},
        // keys that type nothing
        {Qt::Key_Up, kNone, QString(), std::nullopt}, {Qt::Key_F7, kNone, QString(), std::nullopt},
        {Qt::Key_Shift, kShift, QString(), std::nullopt}, {Qt::Key_Delete, kNone, "\x7f", std::nullopt},
        {Qt::Key_A, kAlt, "a", std::nullopt}};
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(characterCodeFor(c.key, c.mods, c.text), c.code) << c.text.toStdString();
}
