// The client-to-server key format and the character table.
#include "wire/key_items.h"

#include <gtest/gtest.h>

using namespace quorlak;

TEST(KeyItem, BlankBeforeEachNumberCommaBetween) {
    EXPECT_EQ(keyItem(65, 0), " 65, 0");
    EXPECT_EQ(keyItem(118, 0), " 118, 0");
    EXPECT_EQ(keyItem(73, 2), " 73, 2");
    EXPECT_EQ(keyItem(-5, -1), "-5,-1");  // a minus sign takes the blank's place
}

TEST(KeyForChar, CapitalsKeepTheShiftEverythingElseIsUpperCasedWithoutIt) {
    using P = std::pair<int, int>;
    EXPECT_EQ(keyForChar('A'), P(65, 1));
    EXPECT_EQ(keyForChar('Z'), P(90, 1));
    EXPECT_EQ(keyForChar('a'), P(65, 0));
    EXPECT_EQ(keyForChar('1'), P(49, 0));
    EXPECT_EQ(keyForChar(','), P(44, 0));
    EXPECT_EQ(keyForChar('!'), P(33, 0));
    EXPECT_EQ(keyForChar('{'), P(123, 0));
    EXPECT_EQ(keyForChar(0xC9), P(0xC9, 0));  // no Shift bit outside A..Z
    EXPECT_EQ(keyForChar(0xE9), P(201, 0));   // é -> É
}

TEST(UpperCp1252, EveryByteOfTheCodePage) {
    for (int c = 0; c < 256; ++c) {
        int upper = c;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) upper = c - 0x20;
        if (c == 0x9A || c == 0x9C || c == 0x9E) upper = c - 0x10;  // š œ ž
        if (c == 0xFF) upper = 0x9F;                                // ÿ
        EXPECT_EQ(upperCp1252(static_cast<uint8_t>(c)), upper) << c;
    }
    // No upper case of their own: ÷ µ ß.
    EXPECT_EQ(upperCp1252(0xF7), 0xF7);
    EXPECT_EQ(upperCp1252(0xB5), 0xB5);
    EXPECT_EQ(upperCp1252(0xDF), 0xDF);
}
