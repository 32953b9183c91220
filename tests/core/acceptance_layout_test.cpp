// Window layout, z-order and the arrow marker end to end: client sizes and
// pointer moves in, panel places and the entry box out.
#include <set>
#include <utility>

#include "acceptance_rig.h"

using namespace quorlak::test;

namespace {

constexpr QRgb kOrange = 0xff8000;
constexpr int kTwips = 15;

struct Box {
    int left, top, width, height;
};

class LayoutAcceptance : public Acceptance {
protected:
    void resize(int w, int h) { run("{\"resize\": [" + std::to_string(w) + ", " + std::to_string(h) + "]}"); }
    Box geometry(const char* control) {
        const QJsonObject o = object(control);
        return {o["left"].toInt(), o["top"].toInt(), o["width"].toInt(), o["height"].toInt()};
    }
    void expectItems(int left, int top, int width, int height, const std::string& why) {
        const Box g = geometry("griditems");
        EXPECT_EQ(g.left, left) << why;
        EXPECT_EQ(g.top, top) << why;
        EXPECT_EQ(g.width, width) << why;
        EXPECT_EQ(g.height, height) << why;
    }
    // Controls the layout never moves keep their designed places.
    void expectUnmovedControls(const std::string& why) {
        const Box tabs = geometry("tabstrip");
        EXPECT_EQ(tabs.left, 184) << why;
        EXPECT_EQ(tabs.top, 424) << why;
        EXPECT_EQ(tabs.width, 337) << why;
        EXPECT_EQ(tabs.height, 25) << why;
        const Box box = geometry("txtbox");
        EXPECT_EQ(box.left, 128) << why;
        EXPECT_EQ(box.top, 136) << why;
        const Box mess = geometry("gridmess");
        EXPECT_EQ(mess.left, 0) << why;
        EXPECT_EQ(mess.top, 456) << why;
        EXPECT_EQ(mess.width, 513) << why;
    }
    int messHeight() { return geometry("gridmess").height; }
    bool tabsFront() { return object("tabstrip")["front"].toBool(); }
    void moveOverForm() { run(R"({"mousemove": "form"})"); }
    void moveOverItems(int yTwips) { run("{\"mousemove\": \"griditems\", \"y\": " + std::to_string(yTwips) + "}"); }
    void rightClickTabs() { run(R"({"mousedown": "TabStrip1", "button": 2})"); }
    // Twips below the item grid's top for a window y, with the grid at `top`.
    static int twipsAt(int windowY, int top) { return (windowY - top) * kTwips; }
    // The item grid on top (a height saved, the pointer on the grid away from the strip), then nothing saved.
    void bringItemsUp() {
        rightClickTabs();
        moveOverItems(0);
        ASSERT_FALSE(tabsFront());
        rightClickTabs();
        ASSERT_EQ(integer("itemsheight"), 0);
    }

    QJsonObject textbox() { return object("txtbox"); }
    double x() { return state()["currentx"].toDouble(); }
    double y() { return state()["currenty"].toDouble(); }
    int count(QRgb rgb, int x0, int y0, int x1, int y1) {
        const QImage image = picture();
        int n = 0;
        for (int py = y0; py <= y1; ++py)
            for (int px = x0; px <= x1; ++px) n += (image.pixel(px, py) & 0xffffff) == rgb;
        return n;
    }
    // An input field whose arrow stands at (ax, ay): the record gives the point 10 above.
    void field(int ax, int ay, int length) {
        recv(rec("cu",
                 "(" + std::to_string(ax) + "," + std::to_string(ay - 10) + ")-(" + std::to_string(length) + ",0)"));
    }
};

}  // namespace

// --- layout ------------------------------------------------------------------------------

TEST_F(LayoutAcceptance, NarrowUpTo612WideFrom613) {
    resize(612, 600);
    expectItems(282, 200, 330, 225, "612");
    EXPECT_EQ(messHeight(), 144);
    resize(613, 600);
    expectItems(391, 0, 222, 600, "613");
    resize(733, 600);
    EXPECT_EQ(geometry("griditems").left, 511);  // still one unit over the display
    resize(734, 600);
    EXPECT_EQ(geometry("griditems").left, 512);
    resize(612, 600);  // back, with no memory of the wide layout
    expectItems(282, 200, 330, 225, "612 again");
    expectUnmovedControls("after resizes");
}

TEST_F(LayoutAcceptance, SizeGivenAtStartIsLaidOutBeforeAnythingElse) {
    startAt(1024, 700);
    expectItems(802, 0, 222, 700, "start");
    EXPECT_EQ(messHeight(), 244);
    const QJsonObject client = state()["client"].toObject();
    EXPECT_EQ(client["width"].toInt(), 1024);
    EXPECT_EQ(client["height"].toInt(), 700);
}

TEST_F(LayoutAcceptance, TooShortASizeAtStartKeepsThePlacesOfTheFirstShowing) {
    startAt(600, 400);
    expectItems(182, 200, 330, 225, "start");
    EXPECT_EQ(messHeight(), 56);
    EXPECT_EQ(state()["client"].toObject()["height"].toInt(), 400);
}

TEST_F(LayoutAcceptance, TooShortAClientAreaMovesNothing) {
    resize(700, 600);
    resize(512, 511);
    expectItems(478, 0, 222, 600, "height 511");
    EXPECT_EQ(messHeight(), 144);
    resize(2000, 100);
    expectItems(478, 0, 222, 600, "height 100");
    resize(900, 512);
    expectItems(678, 0, 222, 512, "height 512");
    EXPECT_EQ(messHeight(), 56);
}

TEST_F(LayoutAcceptance, GrowingTheHeightStretchesTheColumnOnlyWhenWide) {
    resize(600, 800);
    expectItems(270, 200, 330, 225, "narrow");
    EXPECT_EQ(messHeight(), 344);
    resize(800, 800);
    expectItems(578, 0, 222, 800, "wide");
    EXPECT_EQ(messHeight(), 344);
    resize(800, 900);
    expectItems(578, 0, 222, 900, "wide, taller");
    EXPECT_EQ(messHeight(), 444);
    expectUnmovedControls("stretched");
}

TEST_F(LayoutAcceptance, DrawingStaysOnTheDisplayAcrossResizes) {
    recv(rec("fx", "(10,10)-(20,20)"));
    resize(900, 700);
    resize(512, 300);
    resize(512, 512);
    EXPECT_EQ(count(kOrange, 10, 10, 20, 20), 121);
    EXPECT_EQ(picture().size(), QSize(512, 512));
}

// --- z-order -------------------------------------------------------------------------------

TEST_F(LayoutAcceptance, PointerOnTheGridInTheStripsBandBringsTheStripUp) {
    bringItemsUp();
    moveOverForm();  // nothing saved: a move over the bare window does nothing
    EXPECT_FALSE(tabsFront());
    moveOverItems(twipsAt(424, 200));  // on the strip's top edge: outside
    moveOverItems(twipsAt(449, 200));  // on its bottom edge: outside
    EXPECT_FALSE(tabsFront());
    moveOverItems(twipsAt(425, 200) - 1);  // truncates to 424
    EXPECT_FALSE(tabsFront());
    moveOverItems(twipsAt(425, 200));
    EXPECT_TRUE(tabsFront());
    moveOverItems(twipsAt(300, 200));  // nothing saved: the strip stays up
    EXPECT_TRUE(tabsFront());
}

TEST_F(LayoutAcceptance, WithASavedHeightTheGridComesUpOutsideTheBandAndTheStripOverTheWindow) {
    rightClickTabs();
    ASSERT_EQ(integer("itemsheight"), 225);
    moveOverItems(twipsAt(448, 200));
    EXPECT_TRUE(tabsFront());
    moveOverItems(twipsAt(300, 200));
    EXPECT_FALSE(tabsFront());
    moveOverForm();
    EXPECT_TRUE(tabsFront());
}

TEST_F(LayoutAcceptance, WideGridMeasuresThePointerFromItsOwnTop) {
    bringItemsUp();
    resize(800, 600);
    moveOverItems(twipsAt(430, 200));  // 230 in window units: not the band
    EXPECT_FALSE(tabsFront());
    moveOverItems(twipsAt(430, 0));
    EXPECT_TRUE(tabsFront());
}

// --- arrow marker ----------------------------------------------------------------------------

TEST_F(LayoutAcceptance, ArrowheadMarksTheFieldAndTheBoxMovesBesideIt) {
    field(100, 50, 10);
    // The arrowhead, 7 wide and 11 tall, as offsets from (100, 50): the tip at
    // (6, -5), the back edge at column 0 with a notch meeting at (3, -5).
    const std::set<std::pair<int, int>> arrowhead{
        {0, 0},   {1, 0},   {2, -1}, {3, -2}, {4, -3}, {5, -4}, {6, -5}, {5, -6}, {4, -7}, {3, -8}, {2, -9},
        {1, -10}, {0, -10}, {0, -1}, {0, -9}, {0, -2}, {1, -3}, {2, -4}, {3, -5}, {0, -8}, {1, -7}, {2, -6}};
    for (int dy = -12; dy <= 2; ++dy)
        for (int dx = -2; dx <= 8; ++dx)
            EXPECT_EQ(pixel(100 + dx, 50 + dy), arrowhead.count({dx, dy}) ? kOrange : 0u) << dx << "," << dy;
    EXPECT_EQ(count(kOrange, 0, 0, 511, 511), int(arrowhead.size()));

    const QJsonObject tb = textbox();
    EXPECT_EQ(tb["left"].toInt(), 116);
    EXPECT_EQ(tb["top"].toInt(), 40);
    EXPECT_EQ(tb["width"].toInt(), 82);
    EXPECT_EQ(tb["height"].toInt(), 18);
    EXPECT_EQ(tb["maxlength"].toInt(), 10);
    EXPECT_EQ(bytesOf(tb["text"]), "");
    EXPECT_FALSE(tb["visible"].toBool());  // input mode off: visibility unchanged
    EXPECT_EQ(x(), 116);
    EXPECT_EQ(y(), 40);
    EXPECT_EQ(integer("boxleft"), 116);
    EXPECT_EQ(integer("boxtop"), 40);
}

TEST_F(LayoutAcceptance, InInputModeTheBoxShowsEmptyAndTakesTheFocus) {
    menu("mnutextbox");
    field(100, 50, 10);
    ASSERT_TRUE(textbox()["visible"].toBool());
    EXPECT_TRUE(textbox()["focused"].toBool());
    run(R"({"settext": "abc"})");
    ASSERT_EQ(bytesOf(textbox()["text"]), "abc");
    field(200, 80, 4);  // a new field empties the box
    EXPECT_EQ(bytesOf(textbox()["text"]), "");
    EXPECT_EQ(textbox()["left"].toInt(), 216);
    EXPECT_EQ(textbox()["width"].toInt(), 34);
    EXPECT_EQ(textbox()["maxlength"].toInt(), 4);

    menu("mnutextbox");  // leaving the mode does not hide a box that shows
    EXPECT_TRUE(textbox()["visible"].toBool());
    field(300, 80, 4);
    EXPECT_TRUE(textbox()["visible"].toBool());
}

TEST_F(LayoutAcceptance, FieldAt92And129GoesToTheLeftEdgeOnlyInInputMode) {
    recv(rec("cu", "(92,119)-(5,0)"));
    EXPECT_EQ(textbox()["left"].toInt(), 108);
    EXPECT_EQ(textbox()["top"].toInt(), 119);
    menu("mnutextbox");
    recv(rec("cu", "(92,119)-(5,0)"));
    EXPECT_EQ(textbox()["left"].toInt(), 0);
    EXPECT_EQ(textbox()["top"].toInt(), 119);
    EXPECT_EQ(integer("boxleft"), 108);  // the field itself stays beside its arrow
    recv(rec("cu", "(93,119)-(5,0)"));
    EXPECT_EQ(textbox()["left"].toInt(), 109);
    recv(rec("cu", "(92,120)-(5,0)"));
    EXPECT_EQ(textbox()["left"].toInt(), 108);
}

TEST_F(LayoutAcceptance, HidingForgetsTheBoxButLeavesTheArrowhead) {
    menu("mnutextbox");
    field(100, 50, 10);
    recv(rec("cr", "(110,30)-(300,60)"));  // over the box, not the arrowhead
    EXPECT_FALSE(textbox()["visible"].toBool());
    EXPECT_FALSE(textbox()["focused"].toBool());
    EXPECT_EQ(integer("boxleft"), 0);
    EXPECT_EQ(integer("boxtop"), 0);
    EXPECT_EQ(pixel(106, 45), kOrange);
}

TEST_F(LayoutAcceptance, EachFieldDrawsItsOwnArrowheadInTheCurrentColour) {
    field(100, 50, 10);
    recv(rec("cd", "01|") + rec("lc", "(0,300)") + rec("pt", "'status'"));  // the status column turns green
    ASSERT_EQ(forecolor(), "#00ff00");
    field(300, 150, 3);
    EXPECT_EQ(pixel(106, 45), kOrange);
    EXPECT_EQ(pixel(306, 145), 0x00ff00u);
    EXPECT_EQ(pixel(316, 140), 0u);  // the box corner is set to the background
    EXPECT_EQ(integer("boxleft"), 316);
}

TEST_F(LayoutAcceptance, FieldOfLengthZeroIsTwoUnitsWideWithoutALimit) {
    field(100, 50, 0);
    EXPECT_EQ(textbox()["width"].toInt(), 2);
    EXPECT_EQ(textbox()["maxlength"].toInt(), 0);
    EXPECT_EQ(integer("boxlen"), 0);
}
