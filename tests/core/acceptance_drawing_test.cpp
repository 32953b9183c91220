// Drawing, text, input-field and character records end to end: what reaches
// the display, and their side duties on the panels, the box and the log state.
#include "acceptance_rig.h"

using namespace quorlak::test;

namespace {

constexpr QRgb kOrange = 0xff8000;
constexpr QRgb kRedPen = 0xff0000;
constexpr QRgb kWhitePen = 0xffffff;
constexpr QRgb kBlackPen = 0x000000;

std::string point(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }
std::string box(int x0, int y0, int x1, int y1) { return point(x0, y0) + "-" + point(x1, y1); }

class DrawingAcceptance : public Acceptance {
protected:
    double x() { return state()["currentx"].toDouble(); }
    double y() { return state()["currenty"].toDouble(); }
    QJsonObject textbox() { return object("txtbox"); }

    int count(QRgb rgb, int x0, int y0, int x1, int y1) {
        const QImage image = picture();
        int n = 0;
        for (int py = y0; py <= y1; ++py)
            for (int px = x0; px <= x1; ++px) n += (image.pixel(px, py) & 0xffffff) == rgb;
        return n;
    }
    int countAll(QRgb rgb) { return count(rgb, 0, 0, 511, 511); }
    bool allOf(QRgb rgb, int x0, int y0, int x1, int y1) {
        return count(rgb, x0, y0, x1, y1) == (x1 - x0 + 1) * (y1 - y0 + 1);
    }
    // Paints the whole display in the drawing colour, so clearing shows.
    void paintAll() { recv(rec("fx", box(0, 0, 511, 511))); }
    void textboxMode() { menu("mnutextbox"); }
};

// The game screen has begun, with a slot line printed in each of the four
// encounter slots, away from the band the highlighting lines are drawn in.
class SlotAcceptance : public DrawingAcceptance {
protected:
    SlotAcceptance() {
        beginScreen();
        for (int k = 1; k <= 4; ++k) recv(textAt(40 + 100 * (k - 1), 100, std::to_string(k) + " bat"));
    }
    // Pixels of `rgb` where slot k's line was printed (top 5 above its y of 100).
    int inSlot(int k, QRgb rgb) { return count(rgb, 40 + 100 * (k - 1), 95, 40 + 100 * (k - 1) + 39, 111); }
};

}  // namespace

// --- clear, locate, primitives --------------------------------------------------------------

TEST_F(DrawingAcceptance, ClearScreenHidesTheBoxSoTheFieldRecordsUseTheOrigin) {
    textboxMode();
    recv(rec("cu", box(40, 300, 12, 0)));
    ASSERT_TRUE(textbox()["visible"].toBool());
    paintAll();
    recv(rec("cs"));
    EXPECT_EQ(countAll(kBlackPen), 512 * 512);
    EXPECT_FALSE(textbox()["visible"].toBool());
    EXPECT_EQ(integer("boxleft"), 0);
    EXPECT_EQ(integer("boxtop"), 0);
    EXPECT_EQ(x(), 0);
    EXPECT_EQ(y(), 0);

    recv(rec("lc", point(9, 9)) + rec("cu", "XXX"));
    EXPECT_EQ(x(), 0);
    EXPECT_EQ(y(), 0);
    paintAll();
    recv(rec("bs", "1"));  // the whole field of 12 at the origin
    EXPECT_TRUE(allOf(kBlackPen, 0, 0, 106, 14));
    EXPECT_EQ(countAll(kBlackPen), 107 * 15);
}

TEST_F(DrawingAcceptance, PrimitivesDrawInTheDrawingColourAndMoveThePoint) {
    recv(rec("lc", point(30, 40)));
    EXPECT_EQ(countAll(kOrange), 0);
    recv(rec("ps", point(5, 6)));
    EXPECT_EQ(pixel(5, 6), kOrange);
    EXPECT_EQ(x(), 5);
    recv(rec("bx", box(50, 50, 60, 70)));
    EXPECT_EQ(count(kOrange, 50, 50, 60, 70), 2 * 11 + 2 * 19);
    EXPECT_EQ(x(), 60);
    EXPECT_EQ(y(), 70);
    recv(rec("fx", box(100, 100, 120, 110)));  // high up: drawn however small
    EXPECT_TRUE(allOf(kOrange, 100, 100, 120, 110));
    recv(rec("ce", "(300,300),30"));
    EXPECT_EQ(pixel(330, 300), kOrange);
    EXPECT_EQ(pixel(300, 270), kOrange);
    EXPECT_EQ(pixel(300, 300), kBlackPen);
    EXPECT_EQ(x(), 300);
    EXPECT_EQ(countAll(kOrange), 1 + 60 + 21 * 11 + count(kOrange, 270, 270, 330, 330));
}

TEST_F(DrawingAcceptance, CircleWithoutRadiusTakesTheOneFromEarlierInItsChunk) {
    recv(rec("ln", box(0, 500, 20, 500)) + rec("ce", point(100, 100)));
    EXPECT_EQ(pixel(120, 100), kOrange);
    recv(rec("ce", point(300, 300)));  // a chunk of its own: radius 0
    EXPECT_EQ(count(kOrange, 250, 250, 350, 350), 1);
    EXPECT_EQ(pixel(300, 300), kOrange);
}

// --- slot highlight -------------------------------------------------------------------------

TEST_F(SlotAcceptance, LineUnderASlotReprintsItInRedAndTheRedStays) {
    ASSERT_GT(inSlot(1, kWhitePen), 0);
    recv(rec("ln", box(10, 130, 200, 130)));
    EXPECT_EQ(forecolor(), "#ff0000");
    EXPECT_EQ(inSlot(1, kWhitePen), 0);
    EXPECT_GT(inSlot(1, kRedPen), 0);
    EXPECT_EQ(count(kRedPen, 10, 130, 200, 130), 191);
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(inSlot(k, kRedPen), 0) << k;
    recv(rec("ps", point(500, 20)));
    EXPECT_EQ(pixel(500, 20), kRedPen);
}

TEST_F(SlotAcceptance, SlotIsChosenByTheLinesFirstPoint) {
    const struct {
        std::string line;
        int slot;
    } cases[] = {{box(99, 135, 10, 135), 1},
                 {box(99, 136, 10, 123), 2},
                 {box(100, 123, 300, 145), 3},
                 {box(250, 145, 300, 130), 4}};
    for (const auto& c : cases) {
        for (int k = 1; k <= 4; ++k) recv(textAt(40 + 100 * (k - 1), 100, std::to_string(k) + " bat"));
        recv(rec("ln", c.line));
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(inSlot(k, kRedPen) > 0, k == c.slot) << c.line << " slot " << k;
        EXPECT_EQ(inSlot(c.slot, kWhitePen), 0) << c.line;
    }
}

TEST_F(SlotAcceptance, LineLeavingTheBandPrintsNothing) {
    recv(textAt(0, 300, "status"));  // a known colour: green
    ASSERT_EQ(forecolor(), "#00ff00");
    recv(rec("ln", box(10, 120, 10, 130)) + rec("ln", box(20, 130, 20, 146)) + rec("ln", box(30, 122, 30, 145)));
    EXPECT_EQ(forecolor(), "#00ff00");
    EXPECT_EQ(countAll(kRedPen), 0);
}

TEST_F(DrawingAcceptance, LineUnderTheBandBeforeTheGameBeganIsPlain) {
    recv(rec("ln", box(10, 130, 200, 130)));
    EXPECT_EQ(forecolor(), "#ff8000");
    EXPECT_EQ(countAll(kOrange), 191);
    EXPECT_EQ(countAll(kRedPen), 0);
}

// --- filled box and the item mark ------------------------------------------------------------

TEST_F(DrawingAcceptance, SmallBoxLowDownMarksTheLastListLineInsteadOfDrawing) {
    beginScreen();
    recv(textAt(200, 300, " 5.Sword"));
    ASSERT_EQ(integer("itemnum"), 5);
    const QImage before = picture();
    recv(rec("fx", box(300, 250, 310, 258)));
    EXPECT_EQ(picture(), before);
    const QJsonObject items = object("griditems");
    EXPECT_EQ(items["row"].toInt(), 4);
    EXPECT_EQ(items["col"].toInt(), 1);
    const QJsonObject row = items["rows"].toArray()[4].toObject();
    EXPECT_EQ(row["mark"].toString(), QString(QChar(0x2022)));
    EXPECT_TRUE(row["bold"].toBool());
    EXPECT_EQ(bytesOf(row["text"]), " 5.Sword");
    for (int i : {3, 5}) EXPECT_EQ(bytesOf(items["rows"].toArray()[i].toObject()["mark"]), "") << i;

    recv(rec("fx", box(300, 150, 310, 158)));          // high up: an ordinary filled box
    EXPECT_TRUE(allOf(0x00ffff, 300, 150, 310, 158));  // in the list's cyan
}

TEST_F(DrawingAcceptance, SmallBoxAfterALineWithoutANumberDoesNothing) {
    beginScreen();
    recv(textAt(200, 300, " 5.Sword") + textAt(200, 320, "Heading"));
    ASSERT_EQ(integer("itemnum"), 0);
    const QJsonObject before = object("griditems");
    const QImage picBefore = picture();
    recv(rec("fx", box(300, 250, 310, 258)));
    EXPECT_EQ(object("griditems"), before);
    EXPECT_EQ(picture(), picBefore);
}

// --- clear rectangle ---------------------------------------------------------------------------

TEST_F(DrawingAcceptance, ClearRectangleAt255ClearsTheChestPlace) {
    paintAll();
    recv(rec("cr", box(255, 0, 0, 0)));
    EXPECT_TRUE(allOf(kBlackPen, 180, 40, 221, 69));
    EXPECT_EQ(countAll(kBlackPen), 42 * 30);
}

TEST_F(DrawingAcceptance, ClearRectangleAt436ShowsTheTabsBeforeTheOtherCases) {
    beginScreen();
    recv(rec("lc", point(400, 20)) + rec("cw", "22"));  // an encounter: logging
    recv(textAt(0, 445, "Player band"));
    ASSERT_FALSE(object("tabstrip")["visible"].toBool());
    paintAll();
    recv(rec("cr", box(221, 436, 300, 440)));
    EXPECT_TRUE(object("tabstrip")["visible"].toBool());
    EXPECT_TRUE(state()["logging"].toBool());

    recv(textAt(0, 445, "Player band"));
    recv(rec("cr", box(255, 436, 260, 440)));  // the rectangle stays where it is
    EXPECT_TRUE(object("tabstrip")["visible"].toBool());
    EXPECT_TRUE(allOf(kBlackPen, 255, 436, 260, 440));
    EXPECT_EQ(count(kBlackPen, 180, 40, 221, 69), 0);

    recv(rec("cr", box(221, 0, 230, 5)));
    EXPECT_FALSE(state()["logging"].toBool());
    EXPECT_EQ(integer("expstart"), 0);
}

TEST_F(DrawingAcceptance, ClearRectangleHidesTheBoxOnlyStrictlyInsideIt) {
    textboxMode();
    recv(rec("cu", box(90, 90, 5, 0)));  // box corner (106, 90)
    recv(rec("cr", box(106, 50, 150, 150)) + rec("cr", box(50, 90, 150, 150)) + rec("cr", box(50, 50, 106, 150)));
    EXPECT_TRUE(textbox()["visible"].toBool());
    EXPECT_EQ(integer("boxleft"), 106);
    recv(rec("cr", box(105, 89, 107, 91)));
    EXPECT_FALSE(textbox()["visible"].toBool());
    EXPECT_EQ(integer("boxleft"), 0);

    recv(rec("cu", box(184, 45, 5, 0)));  // box corner (200, 45), inside the chest place
    recv(rec("cr", box(255, 0, 0, 0)));
    EXPECT_FALSE(textbox()["visible"].toBool());
}

// --- text ----------------------------------------------------------------------------------------

TEST_F(DrawingAcceptance, TextIsPrintedWithItsTopFiveUnitsAboveThePoint) {
    recv(rec("lc", point(30, 40)) + rec("pt", "\"Hello\""));
    EXPECT_GT(count(kOrange, 30, 35, 69, 51), 15);
    EXPECT_EQ(count(kOrange, 0, 0, 511, 34), 0);
    EXPECT_EQ(count(kOrange, 70, 0, 511, 511), 0);
    EXPECT_EQ(count(kOrange, 0, 52, 511, 511), 0);
    EXPECT_EQ(x(), 70);  // just after the text, on the same line
    EXPECT_EQ(y(), 40);
}

TEST_F(DrawingAcceptance, LinePrintedInPiecesLandsSideBySide) {
    recv(rec("cd", "30x") + rec("lc", point(150, 300)) + rec("pt", "\"abc\"") + rec("pt", "\" 1.axe\""));
    EXPECT_EQ(x(), 174);  // the second piece began at 174, in the list column
    EXPECT_EQ(bytesOf(itemRow(0)["text"]), " 1.axe");
}

TEST_F(DrawingAcceptance, OverprintClearsItsCellsThenPrints) {
    paintAll();
    recv(rec("lc", point(100, 200)) + rec("po", "'     '"));  // blanks: only the clearing shows
    EXPECT_TRUE(allOf(kBlackPen, 100, 200, 139, 213));
    EXPECT_EQ(countAll(kBlackPen), 40 * 14);
    EXPECT_EQ(x(), 140);
    EXPECT_EQ(y(), 200);

    recv(rec("cs") + rec("lc", point(100, 200)) + rec("po", "'HELLO'"));
    EXPECT_GT(count(kOrange, 100, 195, 139, 211), 15);
}

TEST_F(DrawingAcceptance, OverprintOverTheBoxHidesIt) {
    textboxMode();
    recv(rec("cu", box(94, 200, 5, 0)));                      // box corner (110, 200)
    recv(rec("lc", point(110, 200)) + rec("po", "'abcde'"));  // left edge: exclusive
    recv(rec("lc", point(100, 187)) + rec("po", "'abcde'"));  // last row: exclusive
    EXPECT_TRUE(textbox()["visible"].toBool());
    recv(rec("lc", point(100, 200)) + rec("po", "'abcde'"));  // first row: inclusive
    EXPECT_FALSE(textbox()["visible"].toBool());
    EXPECT_EQ(integer("boxleft"), 0);
}

TEST_F(DrawingAcceptance, TextWithoutItsTwoDelimitersIsIgnored) {
    beginScreen();
    recv(rec("pt", "\""));
    recv(textAt(200, 300, " 5.Sword"));
    recv(rec("lc", point(200, 320)) + rec("pt", "x") + rec("po", ""));
    EXPECT_EQ(integer("itemnum"), 5);  // no line reached the list
    EXPECT_EQ(countAll(kOrange), 0);
}

// --- input field -------------------------------------------------------------------------------

TEST_F(DrawingAcceptance, InputFieldPlacesTheBoxAndXxxReturnsToIt) {
    textboxMode();
    recv(rec("cu", box(40, 300, 12, 0)));
    EXPECT_EQ(integer("boxlen"), 12);
    EXPECT_EQ(integer("boxleft"), 56);
    EXPECT_EQ(integer("boxtop"), 300);
    const QJsonObject tb = textbox();
    EXPECT_TRUE(tb["visible"].toBool());
    EXPECT_EQ(tb["left"].toInt(), 56);
    EXPECT_EQ(tb["top"].toInt(), 300);
    EXPECT_EQ(tb["maxlength"].toInt(), 12);

    recv(rec("lc", point(1, 1)) + rec("cu", "XXXanything"));
    EXPECT_EQ(x(), 56);
    EXPECT_EQ(y(), 300);
    EXPECT_EQ(integer("boxlen"), 12);
    EXPECT_TRUE(textbox()["visible"].toBool());
}

TEST_F(DrawingAcceptance, EraseFieldClearsFromTheCharacterOn) {
    recv(rec("cu", box(40, 300, 12, 0)));  // field at (56, 300), 12 long
    paintAll();
    recv(rec("bs", "3"));
    EXPECT_TRUE(allOf(kBlackPen, 72, 300, 162, 314));
    EXPECT_EQ(countAll(kBlackPen), 91 * 15);
    EXPECT_EQ(x(), 162);
    EXPECT_EQ(y(), 302);

    paintAll();
    recv(rec("bs", "2.6"));  // not rounded first: 1.6 x 8 + 56 = 68.8, drawn from 69
    EXPECT_EQ(pixel(68, 300), kOrange);
    EXPECT_EQ(pixel(69, 300), kBlackPen);
}

// --- custom characters ----------------------------------------------------------------------------

TEST_F(DrawingAcceptance, CustomCharacterLightsItsDigitsBeyondThePoint) {
    std::string pattern(16 * 33, '0');
    const std::pair<int, int> lit[] = {{1, 1}, {16, 1}, {1, 33}, {16, 33}, {5, 9}};
    for (const auto& [c, r] : lit) pattern[size_t((r - 1) * 16 + (c - 1))] = '3';
    pattern[20] = 'x';  // not a digit: dark
    recv(rec("cd", "05|" + pattern));
    EXPECT_TRUE(state()["cdseen"].toBool());
    recv(rec("lc", point(10, 10)) + rec("cw", "5"));
    for (const auto& [c, r] : lit) EXPECT_EQ(pixel(10 + c, 10 + r), kOrange) << c << "," << r;
    EXPECT_EQ(countAll(kOrange), 5);
    EXPECT_EQ(x(), 26);  // the last point lit, columns outermost
    EXPECT_EQ(y(), 43);

    recv(rec("cd", "05|1"));  // a new definition replaces every cell
    recv(rec("cs") + rec("lc", point(10, 10)) + rec("cw", "5"));
    EXPECT_EQ(countAll(kOrange), 1);
    EXPECT_EQ(pixel(11, 11), kOrange);
}

TEST_F(DrawingAcceptance, ChestIsNeverDrawnLowDown) {
    recv(rec("cd", "20|1"));
    recv(rec("lc", point(10, 250)) + rec("cw", "20") + rec("lc", point(10, 222)) + rec("cw", "20"));
    EXPECT_EQ(countAll(kOrange), 0);
    recv(rec("lc", point(10, 221)) + rec("cw", "20"));  // no picture: the character instead
    EXPECT_EQ(pixel(11, 222), kOrange);
}

TEST_F(DrawingAcceptance, NumbersWithoutACharacterAreIgnored) {
    recv(rec("cd", "31|1") + rec("cd", "-1|1"));
    EXPECT_FALSE(state()["cdseen"].toBool());
    recv(rec("lc", point(10, 10)) + rec("cw", "0") + rec("cw", "31") + rec("cw", "-4") + rec("cw", "none"));
    EXPECT_EQ(countAll(kOrange), 0);
    EXPECT_EQ(x(), 10);
}
