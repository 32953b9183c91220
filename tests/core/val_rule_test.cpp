#include "base/val_rule.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quorlak;

TEST(ValRule, ReadsLeadingNumberAndStopsAtOtherCharacters) {
    EXPECT_EQ(valNumber("123abc"), 123);
    EXPECT_EQ(valNumber("  42"), 42);
    EXPECT_EQ(valNumber("-17 apples"), -17);
    EXPECT_EQ(valNumber("+5"), 5);
    EXPECT_EQ(valNumber("3.25x"), 3.25);
    EXPECT_EQ(valNumber("1.2.3"), 1.2);  // one decimal point only
    EXPECT_EQ(valNumber(".5"), 0.5);
    EXPECT_EQ(valNumber("12,345"), 12);
}

TEST(ValRule, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(valNumber("1 2 3"), 123);
    EXPECT_EQ(valNumber("\t- 4\n5"), -45);
    EXPECT_EQ(valNumber(" 1 . 5 "), 1.5);
    // A carriage return is not skipped: it ends the number.
    EXPECT_EQ(valNumber("1\r2"), 1);
}

TEST(ValRule, NoLeadingNumberGivesZero) {
    EXPECT_EQ(valNumber(""), 0);
    EXPECT_EQ(valNumber("abc"), 0);
    EXPECT_EQ(valNumber("-"), 0);
    EXPECT_EQ(valNumber("."), 0);
    EXPECT_EQ(valNumber("   "), 0);
    EXPECT_EQ(valNumber("&"), 0);
    EXPECT_EQ(valNumber("&X1"), 0);
}

TEST(ValRule, ExponentWithEOrD) {
    EXPECT_EQ(valNumber("1E3"), 1000);
    EXPECT_EQ(valNumber("2.5d2"), 250);
    EXPECT_EQ(valNumber("5E-1"), 0.5);
    EXPECT_EQ(valNumber("7E"), 7);  // exponent without digits is ignored
    EXPECT_EQ(valNumber("7E+"), 7);
    EXPECT_EQ(valNumber("1 E 2"), 100);
}

TEST(ValRule, HexAndOctalIntegers) {
    EXPECT_EQ(valNumber("&H1F"), 31);
    EXPECT_EQ(valNumber("&hff zz"), 255);
    EXPECT_EQ(valNumber("&O17"), 15);
    EXPECT_EQ(valNumber("&O19"), 1);  // 9 is no octal digit
    EXPECT_EQ(valNumber("&H"), 0);
}

TEST(ValRule, HugeNumbersDoNotFailButDoNotFitIntegers) {
    const double big = valNumber("1E400");
    EXPECT_TRUE(std::isinf(big));
    EXPECT_FALSE(toInt16(big).has_value());
    EXPECT_FALSE(toInt32(valNumber(std::string(5000, '9'))).has_value());
    EXPECT_EQ(valNumber("1E999999999999999999"), HUGE_VAL);
}

TEST(Rounding, HalfToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
}

TEST(Rounding, WidthChecksUseTheRoundedValue) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value());  // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), -32768);        // ties to even: -32768
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_EQ(toUInt8(255.5), std::nullopt);  // 256
    EXPECT_EQ(toUInt8(254.5), 254);
    EXPECT_FALSE(toUInt8(-1).has_value());
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(toInt32(2147483648.0).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
    EXPECT_EQ(clampToInt16(1e9), 32767);
    EXPECT_EQ(clampToInt16(-1e9), -32768);
    EXPECT_EQ(clampToInt16(std::nan("")), -32768);
}
