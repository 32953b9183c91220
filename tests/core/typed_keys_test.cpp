// What a typed character sends, whatever the keyboard: the US key for it.
#include <gtest/gtest.h>

#include <map>

#include "input/key_translator.h"
#include "input/us_layout.h"

using namespace quorlak;

TEST(UsLayout, EveryPrintableAsciiCharacterHasAKeyAndShiftOfItsOwn) {
    std::map<std::pair<int16_t, bool>, char32_t> seen;
    for (char32_t ch = 0x20; ch < 0x7F; ++ch) {
        const auto key = usKeyFor(ch);
        ASSERT_TRUE(key) << char(ch);
        EXPECT_TRUE(seen.emplace(std::pair(key->code, key->shift), ch).second) << char(ch) << " shares a key";
    }
    for (const char32_t ch : {U'\u00e4', U'\u00df', U'\u20ac', U'\t'}) EXPECT_FALSE(usKeyFor(ch));
}

// What the German and French keyboards typed wrongly, and what keeps its own key.
TEST(TypedKeys, ACharacterSendsTheUsKeyForIt) {
    const std::tuple<int, Qt::KeyboardModifiers, const char*, VirtualKey> cases[] = {
        {Qt::Key_Slash, Qt::ShiftModifier, "/", {191, 0}}, {Qt::Key_Equal, Qt::ShiftModifier, "=", {187, 0}},
        {Qt::Key_At, Qt::NoModifier, "@", {50, 1}},        {Qt::Key_BraceLeft, Qt::NoModifier, "{", {219, 1}},
        {Qt::Key_1, Qt::ShiftModifier, "1", {49, 0}},      {Qt::Key_ParenLeft, Qt::NoModifier, "(", {57, 1}},
        {Qt::Key_A, Qt::NoModifier, "A", {65, 0}},  // Caps Lock: only the Shift held counts
        {Qt::Key_A, Qt::ShiftModifier, "a", {65, 1}},      {Qt::Key_5, Qt::KeypadModifier, "5", {101, 0}},
        {Qt::Key_T, Qt::AltModifier, "t", {84, 4}},        {Qt::Key_F7, Qt::NoModifier, "", {118, 0}},
    };
    for (const auto& [qtKey, modifiers, text, key] : cases) {
        const auto typed = KeyTranslator().translate(qtKey, modifiers, QString::fromLatin1(text));
        ASSERT_EQ(typed.size(), 1u) << text;
        EXPECT_EQ(typed[0].key, key) << text;
    }
}

TEST(TypedKeys, AccentKeysWaitForTheirLetter) {
    KeyTranslator translator;
    auto type = [&](int qtKey, const QString& text = {}) { return translator.translate(qtKey, Qt::NoModifier, text); };
    EXPECT_TRUE(type(Qt::Key_Dead_Circumflex).empty());
    type(Qt::Key_Shift);  // a modifier on the way keeps the accent waiting
    auto typed = type(Qt::Key_Space, QStringLiteral(" "));
    ASSERT_EQ(typed.size(), 1u);
    EXPECT_EQ(typed[0].key, (VirtualKey{54, 1}));  // "^"
    type(Qt::Key_Dead_Circumflex);
    EXPECT_EQ(type(Qt::Key_E, QStringLiteral("e")).at(0).unsendable, U'\u00ea');  // no key to send it by
    type(Qt::Key_Dead_Grave);
    EXPECT_EQ(type(Qt::Key_Dead_Grave).at(0).character, '`');  // twice: the accent itself
    type(Qt::Key_Dead_Acute);
    typed = type(Qt::Key_X, QStringLiteral("x"));  // nothing to join: the accent, then the letter
    ASSERT_EQ(typed.size(), 2u);
    EXPECT_EQ(typed[0].unsendable, U'\u00b4');
    EXPECT_EQ(typed[1].key, (VirtualKey{88, 0}));
    EXPECT_TRUE(KeyTranslator::isGameKey(Qt::Key_C, Qt::AltModifier, {}));
    EXPECT_FALSE(KeyTranslator::isGameKey(Qt::Key_VolumeUp, Qt::NoModifier, {}));
}
