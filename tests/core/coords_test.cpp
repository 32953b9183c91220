#include "wire/coords.h"

#include <gtest/gtest.h>

using namespace quorlak;

namespace {
Points decode(std::string_view arg, Points start = {}) {
    EXPECT_TRUE(decodePoints(arg, start)) << arg;
    return start;
}
}  // namespace

TEST(Coords, WrittenFormsDecodeAlike) {
    for (const char* arg : {"(10,20)-(30,40)", "10,20,30,40", "(10,20),30,40", " ( 10 , 20 ) - ( 30 , 40 ) "}) {
        const Points p = decode(arg);
        EXPECT_EQ(p.x[0], 10) << arg;
        EXPECT_EQ(p.y[0], 20) << arg;
        EXPECT_EQ(p.x[1], 30) << arg;
        EXPECT_EQ(p.y[1], 40) << arg;
    }
}

TEST(Coords, MissingNumbersKeepEarlierValues) {
    Points earlier;
    earlier.x[1] = 7;
    earlier.y[1] = 9;
    const Points p = decode("(100,200)", earlier);
    EXPECT_EQ(p.x[0], 100);
    EXPECT_EQ(p.y[0], 200);
    EXPECT_EQ(p.x[1], 7);
    EXPECT_EQ(p.y[1], 9);

    const Points circle = decode("(100,100),30", earlier);
    EXPECT_EQ(circle.x[1], 30);
    EXPECT_EQ(circle.y[1], 9);
}

TEST(Coords, RoundsHalfToEvenAndSkipsBlanks) {
    const Points p = decode("7.5,8.5");
    EXPECT_EQ(p.x[0], 8);
    EXPECT_EQ(p.y[0], 8);
    const Points q = decode("(5, 6)");
    EXPECT_EQ(q.x[0], 5);
    EXPECT_EQ(q.y[0], 6);
}

TEST(Coords, MinusIsASeparatorSoNothingIsNegative) {
    const Points p = decode("(1,-2)");
    EXPECT_EQ(p.x[0], 1);
    EXPECT_EQ(p.y[0], 0);
    EXPECT_EQ(p.x[1], 2);
}

TEST(Coords, ExtraPiecesAreIgnored) {
    const Points p = decode("1,2,3,4,99999999,junk");
    EXPECT_EQ(p.x[1], 3);
    EXPECT_EQ(p.y[1], 4);
}

TEST(Coords, UnusableArgumentsAreRefusedWithoutTouchingThePoints) {
    Points p;
    p.x[0] = 11;
    EXPECT_FALSE(decodePoints("", p));
    EXPECT_FALSE(decodePoints("(42)", p));
    EXPECT_FALSE(decodePoints("40000,1", p));
    EXPECT_FALSE(decodePoints("1,2,1E9", p));
    EXPECT_FALSE(decodePoints("1,2,3,70000", p));
    EXPECT_EQ(p.x[0], 11);
    EXPECT_TRUE(decodePoints("32767,0", p));
    EXPECT_EQ(p.x[0], 32767);
}

TEST(Inrange, BothEndsIncluded) {
    EXPECT_TRUE(inRange(123, 123, 145));
    EXPECT_TRUE(inRange(145, 123, 145));
    EXPECT_FALSE(inRange(146, 123, 145));
    EXPECT_FALSE(inRange(122, 123, 145));
}
