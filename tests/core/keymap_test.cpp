// Qt key events as virtual-key codes, masks and character codes.
#include "input/keymap.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "base/cp1252.h"

using namespace quorlak;

namespace {

constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kPad = Qt::KeypadModifier;

std::optional<VirtualKey> vkOf(int key, Qt::KeyboardModifiers mods = kNone, const QString& text = {}) {
    return virtualKeyFor(key, mods, text);
}

VirtualKey key(int16_t code, int16_t mask = 0) { return {code, mask}; }

}  // namespace

TEST(KeyMapTable, EachQtKeyAppearsOnceOnEachSideWithAValidCode) {
    std::set<std::pair<int, bool>> seen;
    for (const auto& e : keyMapTable()) {
        EXPECT_TRUE(seen.insert({e.qtKey, e.keypad}).second) << "duplicate " << e.qtKey;
        EXPECT_GE(e.vk, 1);
        EXPECT_LE(e.vk, 254);
    }
}

TEST(KeyMap, LettersDigitsAndFunctionKeys) {
    for (int i = 0; i < 26; ++i) EXPECT_EQ(vkOf(Qt::Key_A + i), key(static_cast<int16_t>(65 + i)));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(vkOf(Qt::Key_0 + i), key(static_cast<int16_t>(48 + i)));
    EXPECT_EQ(vkOf(Qt::Key_F1), key(112));
    EXPECT_EQ(vkOf(Qt::Key_F7), key(118));
    EXPECT_EQ(vkOf(Qt::Key_F12), key(123));
    EXPECT_EQ(vkOf(Qt::Key_F24), key(135));
}

TEST(KeyMap, EditingAndNavigationKeys) {
    EXPECT_EQ(vkOf(Qt::Key_Return), key(13));
    EXPECT_EQ(vkOf(Qt::Key_Enter, kPad), key(13));
    EXPECT_EQ(vkOf(Qt::Key_Escape), key(27));
    EXPECT_EQ(vkOf(Qt::Key_Tab), key(9));
    EXPECT_EQ(vkOf(Qt::Key_Backtab, kShift), key(9, 1));
    EXPECT_EQ(vkOf(Qt::Key_Backspace), key(8));
    EXPECT_EQ(vkOf(Qt::Key_Space), key(32));
    EXPECT_EQ(vkOf(Qt::Key_Left), key(37));
    EXPECT_EQ(vkOf(Qt::Key_Up), key(38));
    EXPECT_EQ(vkOf(Qt::Key_Right), key(39));
    EXPECT_EQ(vkOf(Qt::Key_Down), key(40));
    EXPECT_EQ(vkOf(Qt::Key_PageUp), key(33));
    EXPECT_EQ(vkOf(Qt::Key_PageDown), key(34));
    EXPECT_EQ(vkOf(Qt::Key_End), key(35));
    EXPECT_EQ(vkOf(Qt::Key_Home), key(36));
    EXPECT_EQ(vkOf(Qt::Key_Insert), key(45));
    EXPECT_EQ(vkOf(Qt::Key_Delete), key(46));
}

TEST(KeyMap, ModifierKeysThemselves) {
    EXPECT_EQ(vkOf(Qt::Key_Shift, kShift), key(16, 1));
    EXPECT_EQ(vkOf(Qt::Key_Control, kCtrl), key(17, 2));
    EXPECT_EQ(vkOf(Qt::Key_Alt, kAlt), key(18, 4));
}

TEST(KeyMap, MaskAddsShiftCtrlAlt) {
    EXPECT_EQ(vkOf(Qt::Key_A, kShift), key(65, 1));
    EXPECT_EQ(vkOf(Qt::Key_I, kCtrl), key(73, 2));
    EXPECT_EQ(vkOf(Qt::Key_I, kCtrl | kShift), key(73, 3));
    EXPECT_EQ(vkOf(Qt::Key_X, kAlt | kCtrl | kShift), key(88, 7));
    EXPECT_EQ(vkOf(Qt::Key_X, Qt::MetaModifier), key(88, 0));
}

TEST(KeyMap, NumericKeypad) {
    for (int i = 0; i < 10; ++i) EXPECT_EQ(vkOf(Qt::Key_0 + i, kPad), key(static_cast<int16_t>(96 + i)));
    EXPECT_EQ(vkOf(Qt::Key_Asterisk, kPad), key(106));
    EXPECT_EQ(vkOf(Qt::Key_Plus, kPad), key(107));
    EXPECT_EQ(vkOf(Qt::Key_Minus, kPad), key(109));
    EXPECT_EQ(vkOf(Qt::Key_Period, kPad), key(110));
    EXPECT_EQ(vkOf(Qt::Key_Slash, kPad), key(111));
    // Without NumLock the keypad gives the navigation keys.
    EXPECT_EQ(vkOf(Qt::Key_Home, kPad), key(36));
    EXPECT_EQ(vkOf(Qt::Key_Clear, kPad), key(12));
    EXPECT_EQ(vkOf(Qt::Key_Delete, kPad), key(46));
}

TEST(KeyMap, PunctuationKeysOfAUsKeyboard) {
    const std::pair<int, int16_t> keys[] = {
        {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},        {Qt::Key_Comma, 188},     {Qt::Key_Minus, 189},
        {Qt::Key_Period, 190},    {Qt::Key_Slash, 191},        {Qt::Key_QuoteLeft, 192}, {Qt::Key_BracketLeft, 219},
        {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222}};
    for (const auto& [qt, vk] : keys) EXPECT_EQ(vkOf(qt), key(vk)) << qt;
}

TEST(KeyMap, ShiftedSymbolsAreTheKeyTheyAreTypedOn) {
    const std::pair<int, int16_t> keys[] = {
        {Qt::Key_AsciiTilde, 192}, {Qt::Key_Colon, 186},    {Qt::Key_Exclam, 49},     {Qt::Key_At, 50},
        {Qt::Key_NumberSign, 51},  {Qt::Key_Dollar, 52},    {Qt::Key_Percent, 53},    {Qt::Key_AsciiCircum, 54},
        {Qt::Key_Ampersand, 55},   {Qt::Key_Asterisk, 56},  {Qt::Key_ParenLeft, 57},  {Qt::Key_ParenRight, 48},
        {Qt::Key_Underscore, 189}, {Qt::Key_Plus, 187},     {Qt::Key_BraceLeft, 219}, {Qt::Key_BraceRight, 221},
        {Qt::Key_Bar, 220},        {Qt::Key_QuoteDbl, 222}, {Qt::Key_Less, 188},      {Qt::Key_Greater, 190},
        {Qt::Key_Question, 191}};
    for (const auto& [qt, vk] : keys) EXPECT_EQ(vkOf(qt, kShift), key(vk, 1)) << qt;
}

TEST(KeyMap, UnknownKeyFallsBackOnItsAsciiText) {
    EXPECT_EQ(vkOf(0, kNone, "a"), key(65));
    EXPECT_EQ(vkOf(Qt::Key_unknown, kShift, "~"), key(192, 1));
    EXPECT_EQ(vkOf(Qt::Key_unknown, kNone, QString()), std::nullopt);
    EXPECT_EQ(vkOf(Qt::Key_Adiaeresis, kNone, QStringLiteral("\u00e4")), std::nullopt);
    EXPECT_EQ(vkOf(Qt::Key_VolumeUp), std::nullopt);
}

TEST(CharacterCode, TypedTextAsItsCodePageByte) {
    EXPECT_EQ(characterCodeFor(Qt::Key_A, kNone, "a"), 97);
    EXPECT_EQ(characterCodeFor(Qt::Key_A, kShift, "A"), 65);
    EXPECT_EQ(characterCodeFor(Qt::Key_QuoteLeft, kNone, "`"), 96);
    EXPECT_EQ(characterCodeFor(Qt::Key_AsciiTilde, kShift, "~"), 126);
    EXPECT_EQ(characterCodeFor(Qt::Key_Colon, kShift, ":"), 58);
    EXPECT_EQ(characterCodeFor(Qt::Key_5, kPad, "5"), 53);
    EXPECT_EQ(characterCodeFor(Qt::Key_Eacute, kNone, QStringLiteral("\u00e9")), 233);
    EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QStringLiteral("\u20ac")), 0x80);
    EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QStringLiteral("\u0416")),
              std::nullopt);  // not in the code page
}

TEST(CharacterCode, ControlCharactersAsWindowsGivesThem) {
    EXPECT_EQ(characterCodeFor(Qt::Key_V, kCtrl, "\x16"), 22);
    EXPECT_EQ(characterCodeFor(Qt::Key_A, kCtrl, QString()), 1);  // also where Qt gives no text
    EXPECT_EQ(characterCodeFor(Qt::Key_Z, kCtrl | kShift, "\x1a"), 26);
    EXPECT_EQ(characterCodeFor(Qt::Key_BracketLeft, kCtrl, "\x1b"), 27);
    EXPECT_EQ(characterCodeFor(Qt::Key_Return, kCtrl, "\r"), 10);
    EXPECT_EQ(characterCodeFor(Qt::Key_1, kCtrl, "1"), std::nullopt);
    EXPECT_EQ(characterCodeFor(Qt::Key_Return, kNone, "\r"), 13);
    EXPECT_EQ(characterCodeFor(Qt::Key_Enter, kPad, "\r"), 13);
    EXPECT_EQ(characterCodeFor(Qt::Key_Backspace, kNone, "\b"), 8);
    EXPECT_EQ(characterCodeFor(Qt::Key_Escape, kNone, "\x1b"), 27);
    EXPECT_EQ(characterCodeFor(Qt::Key_Tab, kNone, "\t"), 9);
}

TEST(CharacterCode, KeysThatTypeNothing) {
    EXPECT_EQ(characterCodeFor(Qt::Key_Up, kNone, QString()), std::nullopt);
    EXPECT_EQ(characterCodeFor(Qt::Key_F7, kNone, QString()), std::nullopt);
    EXPECT_EQ(characterCodeFor(Qt::Key_Shift, kShift, QString()), std::nullopt);
    EXPECT_EQ(characterCodeFor(Qt::Key_Delete, kNone, "\x7f"), std::nullopt);
    EXPECT_EQ(characterCodeFor(Qt::Key_A, kAlt, "a"), std::nullopt);
}

// Typed text follows the code page's one rule, as received and pasted text do:
// the five bytes the code page leaves undefined are the C1 controls of their value.
TEST(CharacterCode, TypedTextFollowsTheCodePage) {
    EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QString(QChar(0x0160))), 0x8A);  // Š
    EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QString(QChar(0x2122))), 0x99);  // ™
    for (const char16_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QString(QChar(undefined))), undefined);
        EXPECT_EQ(cp1252ToUnicode(static_cast<unsigned char>(undefined)), char32_t(undefined));
        EXPECT_EQ(qstringToCp1252(QString(QChar(undefined))), std::string(1, char(undefined)));
    }
    EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QString(QChar(0x80))), std::nullopt);  // not the euro's byte
    EXPECT_EQ(characterCodeFor(Qt::Key_unknown, kNone, QString(QChar(0x0100))), std::nullopt);
}
