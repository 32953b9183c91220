// Text, input field, custom character and picture records, and the code page.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "display/cp1252.h"
#include "display_rig.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGreenPic = 0xff00c000;
constexpr QRgb kBluePic = 0xff0000c0;

using TextRecords = DisplayRig;

// A "cd" argument: number, one ignored character, then the digits given for
// (column, row) cells and `fill` everywhere else.
std::string defineRecord(const std::string& number, const std::set<std::pair<int, int>>& lit, char digit = '1',
                         char fill = '0') {
    std::string arg = "cd" + number + "|";
    for (int r = 1; r <= kGlyphRows; ++r)
        for (int c = 1; c <= kGlyphColumns; ++c) arg += lit.count({c, r}) ? digit : fill;
    return arg;
}

TEST_F(TextRecords, TextIsPrintedFiveUnitsUpAndThePointComesBack) {
    feed("lc(30,40)\x1f" "pt\"IIIII\"");
    ASSERT_EQ(filter.seen.size(), 1u);
    EXPECT_EQ(filter.seen[0], "IIIII");
    for (int i = 0; i < 5; ++i) EXPECT_GT(count(kOrangeFore, 30 + 8 * i, 35, 37 + 8 * i, 51), 0) << i;
    EXPECT_EQ(count(kOrangeFore, 0, 0, 511, 30), 0);
    EXPECT_EQ(count(kOrangeFore, 70, 0, 511, 511), 0);
    EXPECT_EQ(canvas.currentX, 30);
    EXPECT_EQ(canvas.currentY, 40);
}

TEST_F(TextRecords, TheFilterDecidesWhatIsPrinted) {
    filter.accept = false;
    feed("lc(30,40)\x1f" "pt\"IIIII\"");
    EXPECT_EQ(countAll(kOrangeFore), 0);
    EXPECT_EQ(canvas.currentY, 40);

    filter.accept = true;
    filter.replacement = "I";
    feed("pt'IIIII'");  // the delimiters are not checked
    EXPECT_EQ(filter.seen.back(), "IIIII");
    EXPECT_GT(count(kOrangeFore, 30, 35, 37, 51), 0);
    EXPECT_EQ(count(kOrangeFore, 38, 0, 511, 511), 0);
}

TEST_F(TextRecords, TextShorterThanItsDelimitersIsIgnored) {
    feed("pt\x1f" "pt\"\x1f" "po\"");
    EXPECT_TRUE(filter.seen.empty());
    feed("pt\"\"");
    ASSERT_EQ(filter.seen.size(), 1u);
    EXPECT_EQ(filter.seen[0], "");
}

TEST_F(TextRecords, OverprintClearsItsCellsFirst) {
    canvas.fillBox(0, 0, 511, 511, kWhite);
    filter.accept = false;  // only the clearing shows
    feed("lc(100,200)\x1f" "po\"abcde\"");
    EXPECT_TRUE(allOf(kBlack, 100, 200, 139, 213));
    EXPECT_EQ(countAll(kBlack), 40 * 14);
    EXPECT_EQ(canvas.currentX, 100);
    EXPECT_EQ(canvas.currentY, 200);
    EXPECT_EQ(filter.seen.back(), "abcde");
}

TEST_F(TextRecords, OverprintOverTheBoxHidesIt) {
    state.textboxmode = true;
    feed("cu(94,200)-(5,0)");  // box at (110, 200)
    ASSERT_TRUE(box.visible);
    feed("lc(100,214)\x1f" "po\"abcde\"");  // box top above the cleared rows
    EXPECT_TRUE(box.visible);
    feed("lc(100,187)\x1f" "po\"abcde\"");  // box top on the last row: ey is exclusive
    EXPECT_TRUE(box.visible);
    feed("lc(110,200)\x1f" "po\"abcde\"");  // box left on the first column: exclusive
    EXPECT_TRUE(box.visible);
    feed("lc(100,200)\x1f" "po\"abcde\"");  // box top on the first row: inclusive
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(state.boxleft, 0);
}

TEST_F(TextRecords, InputFieldPlacesTheBoxAndXxxReturnsToIt) {
    state.textboxmode = true;
    feed("cu(40,300)-(12,0)");
    EXPECT_EQ(state.boxlen, 12);
    EXPECT_EQ(state.boxleft, 56);
    EXPECT_EQ(state.boxtop, 300);
    EXPECT_TRUE(box.visible);
    EXPECT_EQ(box.maxlength, 12);
    EXPECT_EQ(px(46, 305), kOrangeFore);  // the arrowhead's tip

    feed("lc(1,1)\x1f" "cuXXXanything");
    EXPECT_EQ(canvas.currentX, 56);
    EXPECT_EQ(canvas.currentY, 300);
    EXPECT_EQ(state.boxlen, 12);
    feed("cu(7)");  // no point: ignored
    EXPECT_EQ(state.boxleft, 56);
}

TEST_F(TextRecords, EraseFieldClearsFromTheCharacterOn) {
    state.boxleft = 56;
    state.boxtop = 300;
    state.boxlen = 12;
    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed("bs3");
    EXPECT_TRUE(allOf(kBlack, 72, 300, 162, 314));
    EXPECT_EQ(countAll(kBlack), 91 * 15);
    EXPECT_EQ(canvas.currentX, 162);
    EXPECT_EQ(canvas.currentY, 302);

    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed("bs2.6");  // not rounded first: 8 x 1.6 + 56 = 68.8 gives 69
    EXPECT_EQ(px(68, 300), kWhite);
    EXPECT_EQ(px(69, 300), kBlack);

    feed("bs1e300\x1f" "bs-1e300\x1f" "bs&HFFFFFFFF");  // absurd numbers only clip
    EXPECT_EQ(px(0, 300), kBlack);
}

TEST_F(TextRecords, CustomCharacterLightsItsCellsBeyondThePoint) {
    const std::set<std::pair<int, int>> lit{{1, 1}, {16, 1}, {1, 33}, {16, 33}, {8, 17}, {3, 30}};
    feed(defineRecord("05", lit, '7'));
    EXPECT_TRUE(state.cdseen);
    EXPECT_EQ(globals.glyphs[5][8][17], 7);
    EXPECT_EQ(globals.glyphs[5][8][18], 0);

    feed("lc(10,10)\x1f" "cw5");
    for (const auto& [c, r] : lit) EXPECT_EQ(px(10 + c, 10 + r), kOrangeFore) << c << "," << r;
    EXPECT_EQ(countAll(kOrangeFore), int(lit.size()));
    // The last lit pixel, columns outermost.
    EXPECT_EQ(canvas.currentX, 26);
    EXPECT_EQ(canvas.currentY, 43);
}

TEST_F(TextRecords, DefinitionReadsDigitsOnlyAndPadsShortPatterns) {
    std::string record = defineRecord(" 3", {{2, 1}, {4, 1}}, '1', 'x');
    record[2 + 3 + 2] = ' ';  // column 3, row 1: a blank reads as 0
    record.resize(2 + 3 + 16);  // only the first row
    feed(defineRecord("03", {{5, 5}}));  // something to overwrite
    feed(record);
    EXPECT_EQ(globals.glyphs[3][2][1], 1);
    EXPECT_EQ(globals.glyphs[3][3][1], 0);
    EXPECT_EQ(globals.glyphs[3][4][1], 1);
    EXPECT_EQ(globals.glyphs[3][5][5], 0);
    EXPECT_EQ(globals.glyphs[3][1][1], 0);
}

TEST_F(TextRecords, UndefinedCharacterNumbersAreIgnored) {
    feed(defineRecord("31", {{1, 1}}));
    feed(defineRecord("-1", {{1, 1}}));
    EXPECT_FALSE(state.cdseen);
    feed(defineRecord("30", {{1, 1}}));
    EXPECT_TRUE(state.cdseen);

    feed("lc(10,10)\x1f" "cw31\x1f" "cw-4\x1f" "cw0\x1f" "cw99999\x1f" "cwx");
    EXPECT_EQ(countAll(kOrangeFore), 0);
    EXPECT_EQ(canvas.currentX, 10);
    feed("cw30");
    EXPECT_EQ(px(11, 11), kOrangeFore);
    feed("lc(20,20)\x1f" "cw29");  // defined by nobody: blank, and the point stays
    EXPECT_EQ(canvas.currentX, 20);
}

TEST_F(TextRecords, CreaturePictureIs44SquareAndMovesFrom322To300) {
    pictures.img[7] = solidPicture(10, 20, kGreenPic);
    feed("lc(322,60)\x1f" "cw7");
    EXPECT_TRUE(allOf(kGreenPic, 300, 60, 343, 103));
    EXPECT_EQ(countAll(kGreenPic), 44 * 44);
    EXPECT_EQ(canvas.currentX, 300);
    EXPECT_EQ(canvas.currentY, 60);

    feed("lc(323,200)\x1f" "cw6.5");  // rounds to 6: no picture, so custom character 6
    EXPECT_EQ(countAll(kGreenPic), 44 * 44);
    pictures.img[6] = solidPicture(1, 1, kBluePic);
    feed("cw6.5");
    EXPECT_TRUE(allOf(kBluePic, 323, 200, 366, 243));
}

TEST_F(TextRecords, MissingPictureFallsBackToTheCustomCharacter) {
    feed(defineRecord("07", {{2, 3}}));
    feed("lc(50,50)\x1f" "cw7");
    EXPECT_EQ(px(52, 53), kOrangeFore);
    EXPECT_EQ(countAll(kOrangeFore), 1);
}

TEST_F(TextRecords, ChestOnlyHighUpAndAtItsOwnPlace) {
    pictures.img[20] = solidPicture(5, 4, kGreenPic);
    feed(defineRecord("20", {{1, 1}}));
    feed("lc(10,250)\x1f" "cw20");
    EXPECT_EQ(countAll(kGreenPic), 0);
    EXPECT_EQ(countAll(kOrangeFore), 0);
    feed("lc(10,222)\x1f" "cw20");
    EXPECT_EQ(countAll(kGreenPic), 0);
    feed("lc(10,221)\x1f" "cw20");
    EXPECT_TRUE(allOf(kGreenPic, 180, 40, 184, 43));
    EXPECT_EQ(countAll(kGreenPic), 20);
    EXPECT_EQ(canvas.currentX, 10);

    pictures.img[20] = QImage();  // no picture high up: the custom character
    feed("lc(10,100)\x1f" "cw20");
    EXPECT_EQ(px(11, 101), kOrangeFore);
}

TEST_F(TextRecords, WaterAtNaturalSizeAtThePoint) {
    pictures.img[21] = solidPicture(3, 2, kBluePic);
    feed("lc(400,400)\x1f" "cw21");
    EXPECT_TRUE(allOf(kBluePic, 400, 400, 402, 401));
    EXPECT_EQ(countAll(kBluePic), 6);
}

TEST_F(TextRecords, LogPictureStartsTheLogOnce) {
    pictures.img[22] = solidPicture(64, 64, kGreenPic);
    log.text = "earlier\r\n";
    state.expnow = 1234;
    feed("lc(100,100)\x1f" "cw22");
    EXPECT_TRUE(state.logging);
    EXPECT_TRUE(log.exists);
    EXPECT_EQ(log.text, "");
    EXPECT_EQ(log.resets, 1u);
    EXPECT_EQ(state.expstart, 1234);
    EXPECT_TRUE(allOf(kGreenPic, 100, 100, 131, 131));
    EXPECT_EQ(countAll(kGreenPic), 32 * 32);

    log.text = "fight\r\n";
    state.expnow = 2000;
    feed("cw22");
    EXPECT_EQ(log.text, "fight\r\n");
    EXPECT_EQ(log.resets, 1u);
    EXPECT_EQ(state.expstart, 1234);

    // The log ends at x 221; picture 23 is missing, so its character is drawn after the duties.
    feed("cr(221,0)-(221,0)\x1f" "lc(200,300)\x1f" "cw23");
    EXPECT_EQ(log.text, "");
    EXPECT_EQ(log.resets, 2u);
    EXPECT_EQ(state.expstart, 2000);
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
