// Text, field and character records at their edges, pictures, and the code page.
// The ordinary cases run through the replay driver.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "base/cp1252.h"
#include "display_rig.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

constexpr QRgb kGreenPic = 0xff00c000;
constexpr QRgb kBluePic = 0xff0000c0;

using TextRecords = DisplayRig;

// A "cd" argument: number, one ignored character, then the digits given for
// (column, row) cells and `fill` everywhere else.
std::string defineRecord(const std::string& number, const std::set<std::pair<int, int>>& lit, char digit = '1',
                         char fill = '0') {
    std::string arg = "cd" + number + "|";
    for (int r = 1; r <= CustomCharacters::kRows; ++r)
        for (int c = 1; c <= CustomCharacters::kColumns; ++c) arg += lit.count({c, r}) ? digit : fill;
    return arg;
}

TEST_F(TextRecords, TextShorterThanItsDelimitersIsIgnored) {
    feed("cd01");  // the game screen begins: lines are read
    feed(
        "pt\x1f"
        "pt\"\x1f"
        "po\"");
    EXPECT_TRUE(events.seen.empty());
    feed("pt\"\"");
    ASSERT_EQ(events.seen.size(), 1u);
    EXPECT_EQ(events.seen[0], "");
}

TEST_F(TextRecords, EraseFieldWithAbsurdNumbersOnlyClips) {
    feed("cu40,300,12");  // the field's box at (56, 300), 12 long
    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed(
        "bs1e300\x1f"
        "bs-1e300\x1f"
        "bs&HFFFFFFFF");
    EXPECT_EQ(px(0, 300), kBlack);
}

TEST_F(TextRecords, DefinitionReadsDigitsOnlyAndPadsShortPatterns) {
    std::string record = defineRecord(" 3", {{2, 1}, {4, 1}}, '1', 'x');
    record[2 + 3 + 2] = ' ';             // column 3, row 1: a blank reads as 0
    record.resize(2 + 3 + 16);           // only the first row
    feed(defineRecord("03", {{5, 5}}));  // something to overwrite
    feed(record);
    EXPECT_EQ(commands.characters().cell(3, 2, 1), 1);
    EXPECT_EQ(commands.characters().cell(3, 3, 1), 0);
    EXPECT_EQ(commands.characters().cell(3, 4, 1), 1);
    EXPECT_EQ(commands.characters().cell(3, 5, 5), 0);
    EXPECT_EQ(commands.characters().cell(3, 1, 1), 0);
}

TEST_F(TextRecords, UndefinedCharacterNumbersAreIgnored) {
    feed(defineRecord("31", {{1, 1}}));
    feed(defineRecord("-1", {{1, 1}}));
    EXPECT_FALSE(commands.gameScreenStarted());
    feed(defineRecord("30", {{1, 1}}));
    EXPECT_TRUE(commands.gameScreenStarted());

    feed(
        "lc(10,10)\x1f"
        "cw31\x1f"
        "cw-4\x1f"
        "cw0\x1f"
        "cw99999\x1f"
        "cwx");
    EXPECT_EQ(countAll(kOrangeFore), 0);
    EXPECT_EQ(canvas.currentX, 10);
    feed("cw30");
    EXPECT_EQ(px(11, 11), kOrangeFore);
    feed(
        "lc(20,20)\x1f"
        "cw29");  // defined by nobody: blank, and the point stays
    EXPECT_EQ(canvas.currentX, 20);
}

TEST_F(TextRecords, CreaturePictureIs44SquareAndMovesFrom322To300) {
    pictures.img[7] = solidPicture(10, 20, kGreenPic);
    feed(
        "lc(322,60)\x1f"
        "cw7");
    EXPECT_TRUE(allOf(kGreenPic, 300, 60, 343, 103));
    EXPECT_EQ(countAll(kGreenPic), 44 * 44);
    EXPECT_EQ(canvas.currentX, 300);
    EXPECT_EQ(canvas.currentY, 60);

    feed(
        "lc(323,200)\x1f"
        "cw6.5");  // rounds to 6: no picture, so custom character 6
    EXPECT_EQ(countAll(kGreenPic), 44 * 44);
    pictures.img[6] = solidPicture(1, 1, kBluePic);
    feed("cw6.5");
    EXPECT_TRUE(allOf(kBluePic, 323, 200, 366, 243));
}

TEST(Cp1252, MapsTheHighBlockAndRoundTripsEveryByte) {
    EXPECT_EQ(cp1252ToUnicode(0x41), U'A');
    EXPECT_EQ(cp1252ToUnicode(0x80), U'\u20ac');
    EXPECT_EQ(cp1252ToUnicode(0x95), U'\u2022');
    EXPECT_EQ(cp1252ToUnicode(0x9f), U'\u0178');
    EXPECT_EQ(cp1252ToUnicode(0x81), U'\u0081');
    EXPECT_EQ(cp1252ToUnicode(0xe9), U'\u00e9');

    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const QString text = cp1252ToQString(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(qstringToCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20ac));
}

TEST(Cp1252, UnmappableCharactersBecomeTheFallback) {
    EXPECT_EQ(qstringToCp1252(QString::fromUtf8("a\u0100b\U0001F600c")), "a?b?c");
    EXPECT_EQ(qstringToCp1252(QString::fromUtf8("\u2122"), '#'), "\x99");
    EXPECT_FALSE(unicodeToCp1252(0x80).has_value());  // the C1 control is not the euro's byte
    EXPECT_EQ(unicodeToCp1252(0x81), 0x81);
}

}  // namespace
