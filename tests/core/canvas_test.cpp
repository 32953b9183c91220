// The display's pixel rules, clipping, text cells, pictures and damage.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "display/canvas.h"
#include "session/data_files.h"
#include "test_app.h"

using namespace quorlak;

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kRedish = 0xffcc0000;
constexpr QRgb kGreenish = 0xff00cc00;
constexpr QRgb kBlueish = 0xff0000cc;

QImage solidPicture(int w, int h, QRgb color) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(color);
    return img;
}

// Four quadrants, to see where and how big a picture lands.
QImage quadrantPicture(QRgb tl, QRgb tr, QRgb bl, QRgb br) {
    QImage img(2, 2, QImage::Format_ARGB32);
    img.setPixel(0, 0, tl);
    img.setPixel(1, 0, tr);
    img.setPixel(0, 1, bl);
    img.setPixel(1, 1, br);
    return img;
}

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        test::ensureGuiApp();
        canvas.setFont(loadTerminalFont());
    }
    QRgb px(int x, int y) const { return canvas.image().pixel(x, y); }
    int count(QRgb color, int x0 = 0, int y0 = 0, int x1 = 511, int y1 = 511) const {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += px(x, y) == color;
        return n;
    }
    Canvas canvas;
};

TEST_F(CanvasTest, LineDrawsBothEndPointsAndOnePixelPerStep) {
    canvas.line(10, 10, 20, 15, kWhite);
    EXPECT_TRUE(px(10, 10) == kWhite && px(20, 15) == kWhite);
    EXPECT_EQ(count(kWhite), 11);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(count(kWhite, x, 0, x, 511), 1) << x;
    EXPECT_EQ(QPointF(canvas.currentX, canvas.currentY), QPointF(20, 15));

    // A steep one, drawn backwards: one pixel in every row between its ends.
    canvas.line(100, 80, 97, 60, kRedish);
    EXPECT_TRUE(px(100, 80) == kRedish && px(97, 60) == kRedish);
    for (int y = 60; y <= 80; ++y) EXPECT_EQ(count(kRedish, 0, y, 511, y), 1) << y;
    EXPECT_EQ(count(kRedish), 21);
}

TEST_F(CanvasTest, LinePixelsStayCloseToTheTrueLine) {
    canvas.line(3, 7, 250, 101, kWhite);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            if (px(x, y) == kWhite) EXPECT_LE(std::abs((y - 7) - (x - 3) * 94.0 / 247.0), 0.5) << x << "," << y;
}

TEST_F(CanvasTest, BoxesCoverBothCornersWhicheverWayTheyAreGiven) {
    canvas.box(5, 5, 10, 8, kWhite);
    for (const auto& [x, y] : {std::pair{5, 5}, {10, 5}, {5, 8}, {10, 8}}) EXPECT_EQ(px(x, y), kWhite);
    EXPECT_EQ(count(kWhite, 6, 6, 9, 7), 0);
    EXPECT_EQ(count(kWhite), 16);

    // Reversed corners cover the same pixels; the current point is still the second corner.
    Canvas other;
    other.box(10, 8, 5, 5, kWhite);
    EXPECT_EQ(other.image(), canvas.image());
    EXPECT_EQ(other.currentX, 5);
    canvas.clear();
    canvas.fillBox(7, 9, 3, 4, kWhite);
    EXPECT_EQ(count(kWhite, 3, 4, 7, 9), 30);
    EXPECT_EQ(count(kWhite), 30);
    EXPECT_EQ(QPointF(canvas.currentX, canvas.currentY), QPointF(3, 4));
}

TEST_F(CanvasTest, CircleOutlineLiesOnItsRadius) {
    canvas.circle(100, 100, 30, kWhite);
    for (const auto& [x, y] : {std::pair{130, 100}, {70, 100}, {100, 130}, {100, 70}}) EXPECT_EQ(px(x, y), kWhite);
    EXPECT_EQ(px(100, 100), canvas.backColor);
    int lit = 0;
    for (int y = 60; y <= 140; ++y) {
        for (int x = 60; x <= 140; ++x) {
            if (px(x, y) != kWhite) continue;
            ++lit;
            EXPECT_NEAR(std::hypot(x - 100, y - 100), 30, 0.75);
            EXPECT_EQ(px(200 - x, y), kWhite);  // mirror images
            EXPECT_EQ(px(y, x), kWhite);
        }
    }
    EXPECT_EQ(lit, count(kWhite));
    EXPECT_GT(lit, 150);  // closed: roughly the circumference
    EXPECT_EQ(canvas.currentX, 100);

    Canvas dot;
    dot.circle(40, 50, 0, kWhite);
    EXPECT_EQ(dot.image().pixel(40, 50), kWhite);
    dot.circle(60, 50, -3, kRedish);
    EXPECT_EQ(dot.image().pixel(60, 50), dot.backColor);
}

TEST_F(CanvasTest, ClipsHugeAndNegativeCoordinatesCheaply) {
    canvas.line(-32768, 100, 32767, 100, kWhite);
    EXPECT_EQ(count(kWhite, 0, 100, 511, 100), 512);
    canvas.line(-32768, -32768, 32767, 32767, kRedish);  // the diagonal
    for (int i = 0; i < 512; i += 51) EXPECT_EQ(px(i, i), kRedish);
    canvas.line(40000, 5, 90000, 5, kBlueish);
    EXPECT_EQ(count(kBlueish), 0);

    Canvas circles;
    circles.circle(256, 256, 32767, kWhite);  // encloses the whole image
    EXPECT_EQ(circles.image().pixel(0, 0), circles.backColor);
    circles.circle(-32000, 256, 32200, kWhite);  // its edge crosses at x = 200
    EXPECT_EQ(circles.image().pixel(200, 256), kWhite);
    circles.circle(32767, -32768, 32767, kWhite);

    Canvas boxes;
    boxes.fillBox(-32768, -32768, 32767, 32767, kWhite);
    EXPECT_EQ(boxes.image().pixel(0, 0), kWhite);
    EXPECT_EQ(boxes.image().pixel(511, 511), kWhite);
    boxes.box(-5, -5, 600, 600, kRedish);  // every side off the image
    EXPECT_EQ(boxes.image().pixel(0, 0), kWhite);
    boxes.point(-1, 512, kRedish);
    EXPECT_EQ(QPointF(boxes.currentX, boxes.currentY), QPointF(-1, 512));
}

TEST_F(CanvasTest, TextGoesInEightUnitCellsOnATransparentBackground) {
    canvas.fillBox(0, 0, 511, 511, kBlueish);
    canvas.currentX = 40, canvas.currentY = 60, canvas.foreColor = kWhite;
    canvas.printText("II I");
    EXPECT_GT(count(kWhite, 40, 60, 47, 76), 0);
    EXPECT_GT(count(kWhite, 48, 60, 55, 76), 0);
    EXPECT_EQ(count(kWhite, 56, 60, 63, 76), 0);  // the blank
    EXPECT_GT(count(kWhite, 64, 60, 71, 76), 0);
    EXPECT_EQ(count(kWhite, 0, 0, 511, 55), 0);     // nothing well above the cell top
    EXPECT_GT(count(kBlueish, 40, 60, 71, 76), 0);  // the background shows between strokes
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) ASSERT_TRUE(px(x, y) == kWhite || px(x, y) == kBlueish);  // no blending
    EXPECT_EQ(QPointF(canvas.currentX, canvas.currentY), QPointF(40 + 4 * 8, 60));              // on past the text
}

TEST_F(CanvasTest, VeryLongTextOffTheLeftEdgeDrawsOnlyWhatShows) {
    canvas.foreColor = kWhite, canvas.currentX = -8 * 100000, canvas.currentY = 10;
    std::string text(100000, '.');
    text += "IIII";
    canvas.printText(text);
    EXPECT_GT(count(kWhite, 0, 10, 31, 26), 0);
    EXPECT_EQ(count(kWhite, 32, 0, 511, 511), 0);
    canvas.currentX = 1e30f;
    canvas.printText(text);  // far off to the right: nothing, and no overflow
    EXPECT_EQ(count(kWhite, 32, 0, 511, 511), 0);
}

TEST_F(CanvasTest, PicturesScaleNearestNeighbourAndKeepThePoint) {
    canvas.currentX = 7, canvas.currentY = 8;
    canvas.drawPicture(quadrantPicture(kWhite, kRedish, kGreenish, kBlueish), 100, 100, 44, 44);
    EXPECT_EQ(QList<QRgb>({px(100, 100), px(143, 100), px(100, 143), px(143, 143)}),
              QList<QRgb>({kWhite, kRedish, kGreenish, kBlueish}));
    EXPECT_EQ(count(kWhite) + count(kRedish) + count(kGreenish) + count(kBlueish), 44 * 44);
    EXPECT_EQ(count(kWhite), 22 * 22);
    EXPECT_TRUE(px(144, 100) == canvas.backColor && px(99, 143) == canvas.backColor);

    canvas.drawPicture(solidPicture(5, 3, kWhite), 509, 510);  // runs off the corner
    EXPECT_EQ(px(511, 511), kWhite);
    canvas.drawPicture(solidPicture(5, 3, kWhite), 32767, -32768);
    canvas.drawPicture(QImage(), 0, 0, 44, 44);
    EXPECT_EQ(QPointF(canvas.currentX, canvas.currentY), QPointF(7, 8));
}

TEST_F(CanvasTest, DamageCoversWhatChangedOnceAndStaysOnTheImage) {
    EXPECT_TRUE(canvas.takeDamage().isEmpty());
    canvas.point(3, 4, kWhite);
    canvas.fillBox(100, 200, 110, 205, kWhite);
    const QRect damage = canvas.takeDamage();
    EXPECT_TRUE(damage.contains(QPoint(3, 4)));
    EXPECT_TRUE(damage.contains(QRect(QPoint(100, 200), QPoint(110, 205))));
    EXPECT_TRUE(canvas.takeDamage().isEmpty());

    canvas.line(-1000, -1000, 2000, 2000, kWhite);
    EXPECT_EQ(canvas.takeDamage(), canvas.image().rect());
    canvas.fillBox(600, 600, 700, 700, kWhite);
    canvas.setPixel(-1, 3, kWhite);
    EXPECT_TRUE(canvas.takeDamage().isEmpty());

    canvas.currentX = 50, canvas.currentY = 50;
    canvas.printText("I");
    EXPECT_TRUE(canvas.takeDamage().contains(QRect(50, 50, 8, 16)));
}

}  // namespace
