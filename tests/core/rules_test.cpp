// Pure rules, a case a line: number reading, rounding, points, key items,
// and the Windows-1252 code page.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/cp1252.h"
#include "base/val_rule.h"
#include "wire/coords.h"
#include "wire/key_items.h"

using namespace quorlak;

TEST(ValRule, ReadsTheLeadingNumberLeniently) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"123abc", 123}, {"  42", 42}, {"-17 apples", -17}, {"+5", 5}, {"3.25x", 3.25}, {"1.2.3", 1.2}, {".5", 0.5},
        {"12,345", 12},
        // blanks, tabs and line feeds are skipped anywhere; a carriage return ends the number
        {"1 2 3", 123}, {"\t- 4\n5", -45}, {" 1 . 5 ", 1.5}, {"1\r2", 1},
        // no leading number
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"   ", 0}, {"&", 0}, {"&X1", 0},
        // exponents with E or D; one without digits is ignored
        {"1E3", 1000}, {"2.5d2", 250}, {"5E-1", 0.5}, {"7E", 7}, {"7E+", 7}, {"1 E 2", 100}, {"12e", 12}, {"12d1", 120},
        // hexadecimal and octal integers
        {"&H1F", 31}, {"&hff zz", 255}, {"&O17", 15}, {"&O19", 1}, {"&H", 0}, {"1E999999999999999999", HUGE_VAL}};
    // clang-format on
    for (const auto& [text, value] : cases) EXPECT_EQ(valNumber(text), value) << '"' << text << '"';
    EXPECT_TRUE(std::signbit(valNumber("-0")));
    EXPECT_TRUE(std::isinf(valNumber("1E400")));
}

TEST(Rounding, HalfToEvenThenTheWidthIsChecked) {
    const std::pair<double, double> rounded[] = {{2.5, 2}, {3.5, 4},    {-2.5, -2}, {0.5, 0},
                                                 {1.5, 2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& [value, want] : rounded) EXPECT_EQ(roundHalfEven(value), want) << value;
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), -32768);       // ties to even
    EXPECT_EQ(toInt16(-32769), std::nullopt);
    EXPECT_EQ(toInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(toInt16(valNumber("1E400")), std::nullopt);
    EXPECT_EQ(toUInt8(255.5), std::nullopt);
    EXPECT_EQ(toUInt8(254.5), 254);
    EXPECT_EQ(toUInt8(-1), std::nullopt);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(toInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(toInt32(valNumber(std::string(5000, '9'))), std::nullopt);
    EXPECT_EQ(clampToInt16(1e9), 32767);
    EXPECT_EQ(clampToInt16(-1e9), -32768);
    EXPECT_EQ(clampToInt16(std::nan("")), -32768);
}

TEST(Coords, ArgumentsToPoints) {
    struct Case {
        std::string arg;
        bool read;
        int16_t x0, y0, x1, y1;  // the points before: (11, 0) and (7, 9)
    };
    // clang-format off
    const Case cases[] = {
        {"(10,20)-(30,40)", true, 10, 20, 30, 40}, {"10,20,30,40", true, 10, 20, 30, 40},
        {"(10,20),30,40", true, 10, 20, 30, 40}, {" ( 10 , 20 ) - ( 30 , 40 ) ", true, 10, 20, 30, 40},
        {"(100,200)", true, 100, 200, 7, 9}, {"(100,100),30", true, 100, 100, 30, 9},  // missing numbers stay
        {"7.5,8.5", true, 8, 8, 7, 9},  // half to even
        {"(1,-2)", true, 1, 0, 2, 9},   // a minus separates: nothing is negative
        {"1,2,3,4,99999999,junk", true, 1, 2, 3, 4}, {"( 1 2 , 3 4 )", true, 12, 34, 7, 9},
        {"&H10,&O10", true, 16, 8, 7, 9}, {"2.5x,junk", true, 2, 0, 7, 9}, {"32767,0", true, 32767, 0, 7, 9},
        // a buffer holds short arguments; longer ones decode the same
        {"(" + std::string(64, ' ') + "10,20)-(30," + std::string(5000, ' ') + "40)", true, 10, 20, 30, 40},
        // refused: the points stay
        {"", false, 11, 0, 7, 9}, {"(42)", false, 11, 0, 7, 9}, {"40000,1", false, 11, 0, 7, 9},
        {"1,2,1E9", false, 11, 0, 7, 9}, {"1,2,3,70000", false, 11, 0, 7, 9},
        {"(" + std::string(200, '9') + ",1)", false, 11, 0, 7, 9}};
    // clang-format on
    for (const Case& c : cases) {
        Points p;
        p.x[0] = 11;
        p.x[1] = 7;
        p.y[1] = 9;
        EXPECT_EQ(decodePoints(c.arg, p), c.read) << c.arg;
        EXPECT_EQ(std::make_tuple(p.x[0], p.y[0], p.x[1], p.y[1]), std::make_tuple(c.x0, c.y0, c.x1, c.y1)) << c.arg;
    }
    EXPECT_TRUE(inRange(123, 123, 145) && inRange(145, 123, 145));
    EXPECT_FALSE(inRange(146, 123, 145) || inRange(122, 123, 145));
}

TEST(KeyItems, CodeAndMaskEachAfterABlank) {
    EXPECT_EQ(keyItem(65, 0), " 65, 0");
    EXPECT_EQ(keyItem(118, 0), " 118, 0");
    EXPECT_EQ(keyItem(73, 2), " 73, 2");
    EXPECT_EQ(keyItem(-5, -1), "-5,-1");  // a minus sign takes the blank's place
    using P = std::pair<int, int>;
    // capitals keep the Shift; everything else is upper-cased without it
    const std::pair<uint8_t, P> chars[] = {{'A', {65, 1}},   {'Z', {90, 1}},    {'a', {65, 0}},   {'1', {49, 0}},
                                           {',', {44, 0}},   {'!', {33, 0}},    {'{', {123, 0}},  {0xC9, {0xC9, 0}},
                                           {0xE9, {201, 0}}, {0xFF, {0x9F, 0}}, {0xF7, {0xF7, 0}}};
    for (const auto& [c, key] : chars) EXPECT_EQ(keyForChar(c), key) << int(c);
}

TEST(KeyItems, UpperCaseOfEveryByteOfTheCodePage) {
    for (int c = 0; c < 256; ++c) {
        int upper = c;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) upper = c - 0x20;
        if (c == 0x9A || c == 0x9C || c == 0x9E) upper = c - 0x10;  // š œ ž
        if (c == 0xFF) upper = 0x9F;                                // ÿ
        EXPECT_EQ(upperCp1252(static_cast<uint8_t>(c)), upper) << c;
    }
    // no upper case of their own: ÷ µ ß
    for (const int c : {0xF7, 0xB5, 0xDF}) EXPECT_EQ(upperCp1252(uint8_t(c)), c);
}

TEST(Cp1252, MapsTheHighBlockAndRoundTripsEveryByte) {
    const std::pair<unsigned char, char32_t> bytes[] = {{0x41, U'A'},      {0x80, U'\u20ac'}, {0x95, U'\u2022'},
                                                        {0x9f, U'\u0178'}, {0x81, U'\u0081'}, {0xe9, U'\u00e9'}};
    for (const auto& [byte, code] : bytes) EXPECT_EQ(cp1252ToUnicode(byte), code) << int(byte);
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const QString text = cp1252ToQString(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(qstringToCp1252(text), all);
    // what it cannot hold becomes the fallback
    EXPECT_EQ(qstringToCp1252(QString::fromUtf8("a\u0100b\U0001F600c")), "a?b?c");
    EXPECT_EQ(qstringToCp1252(QString::fromUtf8("\u2122"), '#'), "\x99");
    EXPECT_EQ(unicodeToCp1252(0x80), std::nullopt);  // the C1 control is not the euro's byte
    EXPECT_EQ(unicodeToCp1252(0x81), 0x81);
}
