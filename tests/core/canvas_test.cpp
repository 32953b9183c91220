// The display's pixel rules: where lines, boxes, circles, text and pictures
// land, how they clip and where they leave the point.
#include "canvas/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "canvas/data_files.h"
#include "test_app.h"

using namespace quorlak;

namespace {

constexpr QRgb kTestWhite = 0xffffffff, kTestRed = 0xffcc0000, kTestGreen = 0xff00cc00, kTestBlue = 0xff0000cc;

struct Drawn {
    Canvas canvas;
    explicit Drawn(const std::function<void(Canvas&)>& draw) {
        canvas.setFont((test::ensureGuiApp(), loadTerminalFont()));
        draw(canvas);
    }
    QRgb px(int x, int y) const { return canvas.image().pixel(x, y); }
    int count(QRgb color, int x0 = 0, int y0 = 0, int x1 = 511, int y1 = 511) const {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += px(x, y) == color;
        return n;
    }
    QPointF point() const { return {canvas.currentX, canvas.currentY}; }
};

QImage picture(int w, int h, std::initializer_list<QRgb> colours) {
    QImage img(w, h, QImage::Format_ARGB32);
    auto c = colours.begin();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, colours.size() == 1 ? *c : *(c + y * w + x));
    return img;
}

}  // namespace

// Each shape: how many pixels it lights in all, some that must be lit, and where it leaves the point.
TEST(Canvas, ShapesLightTheirPixelsAndMoveThePoint) {
    struct Case {
        const char* what;
        std::function<void(Canvas&)> draw;
        int lit;
        std::vector<QPoint> on;
        QPointF point;
    };
    const Case cases[] = {
        {"line", [](Canvas& c) { c.line(10, 10, 20, 15, kTestWhite); }, 11, {{10, 10}, {20, 15}}, {20, 15}},
        {"steep line drawn backwards",
         [](Canvas& c) { c.line(100, 80, 97, 60, kTestWhite); },
         21,
         {{100, 80}, {97, 60}},
         {97, 60}},
        {"box", [](Canvas& c) { c.box(5, 5, 10, 8, kTestWhite); }, 16, {{5, 5}, {10, 5}, {5, 8}, {10, 8}}, {10, 8}},
        {"box from its far corner", [](Canvas& c) { c.box(10, 8, 5, 5, kTestWhite); }, 16, {{5, 5}, {10, 8}}, {5, 5}},
        {"filled box from its far corner",
         [](Canvas& c) { c.fillBox(7, 9, 3, 4, kTestWhite); },
         30,
         {{3, 4}, {7, 9}},
         {3, 4}},
        {"circle of radius 0", [](Canvas& c) { c.circle(40, 50, 0, kTestWhite); }, 1, {{40, 50}}, {40, 50}},
        {"circle of negative radius", [](Canvas& c) { c.circle(60, 50, -3, kTestWhite); }, 0, {}, {60, 50}},
        {"line along a row far beyond the edges",
         [](Canvas& c) { c.line(-32768, 100, 32767, 100, kTestWhite); },
         512,
         {{0, 100}, {511, 100}},
         {32767, 100}},
        {"line off the image", [](Canvas& c) { c.line(40000, 5, 90000, 5, kTestWhite); }, 0, {}, {90000, 5}},
        {"box with every side off the image",
         [](Canvas& c) { c.box(-5, -5, 600, 600, kTestWhite); },
         0,
         {},
         {600, 600}},
        {"filled box over everything",
         [](Canvas& c) { c.fillBox(-32768, -32768, 32767, 32767, kTestWhite); },
         512 * 512,
         {},
         {32767, 32767}},
        {"point off the image", [](Canvas& c) { c.point(-1, 512, kTestWhite); }, 0, {}, {-1, 512}},
        {"circle enclosing the image", [](Canvas& c) { c.circle(256, 256, 32767, kTestWhite); }, 0, {}, {256, 256}},
        {"circle whose edge crosses at x 200",
         [](Canvas& c) { c.circle(-32000, 256, 32200, kTestWhite); },
         -1,
         {{200, 256}},
         {-32000, 256}},
    };
    for (const Case& c : cases) {
        const Drawn d(c.draw);
        if (c.lit >= 0) {
            EXPECT_EQ(d.count(kTestWhite), c.lit) << c.what;
        }
        for (const QPoint& p : c.on)
            EXPECT_EQ(d.px(p.x(), p.y()), kTestWhite) << c.what << " at " << p.x() << "," << p.y();
        EXPECT_EQ(d.point(), c.point) << c.what;
    }
    // one pixel a step along the longer axis, each close to the true line
    const Drawn steep([](Canvas& c) { c.line(100, 80, 97, 60, kTestWhite); });
    for (int y = 60; y <= 80; ++y) EXPECT_EQ(steep.count(kTestWhite, 0, y, 511, y), 1) << y;
    const Drawn slope([](Canvas& c) { c.line(3, 7, 250, 101, kTestWhite); });
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            if (slope.px(x, y) == kTestWhite) {
                EXPECT_LE(std::abs((y - 7) - (x - 3) * 94.0 / 247.0), 0.5) << x << "," << y;
            }
    const Drawn diagonal([](Canvas& c) { c.line(-32768, -32768, 32767, 32767, kTestWhite); });
    for (int i = 0; i < 512; i += 51) EXPECT_EQ(diagonal.px(i, i), kTestWhite);
}

TEST(Canvas, CircleOutlineIsClosedOnItsRadiusAndSymmetric) {
    const Drawn d([](Canvas& c) { c.circle(100, 100, 30, kTestWhite); });
    for (const QPoint p : {QPoint(130, 100), QPoint(70, 100), QPoint(100, 130), QPoint(100, 70)})
        EXPECT_EQ(d.px(p.x(), p.y()), kTestWhite);
    EXPECT_EQ(d.px(100, 100), d.canvas.backColor);
    int lit = 0;
    for (int y = 60; y <= 140; ++y)
        for (int x = 60; x <= 140; ++x) {
            if (d.px(x, y) != kTestWhite) continue;
            ++lit;
            EXPECT_NEAR(std::hypot(x - 100, y - 100), 30, 0.75);
            EXPECT_TRUE(d.px(200 - x, y) == kTestWhite && d.px(y, x) == kTestWhite);  // mirror images
        }
    EXPECT_EQ(lit, d.count(kTestWhite));
    EXPECT_GT(lit, 150);                                                     // closed: roughly the circumference
    Drawn(([](Canvas& c) { c.circle(32767, -32768, 32767, kTestWhite); }));  // no overflow far off
}

TEST(Canvas, TextGoesInEightUnitCellsOnATransparentBackgroundAndOnlyWhatShowsIsDrawn) {
    const Drawn d([](Canvas& c) {
        c.fillBox(0, 0, 511, 511, kTestBlue);
        c.currentX = 40, c.currentY = 60, c.foreColor = kTestWhite;
        c.printText("II I");
    });
    for (const int cell : {40, 48, 64}) EXPECT_GT(d.count(kTestWhite, cell, 60, cell + 7, 76), 0) << cell;
    EXPECT_EQ(d.count(kTestWhite, 56, 60, 63, 76), 0);               // the blank
    EXPECT_EQ(d.count(kTestWhite, 0, 0, 511, 55), 0);                // nothing well above the cell top
    EXPECT_GT(d.count(kTestBlue, 40, 60, 71, 76), 0);                // the background shows between strokes
    EXPECT_EQ(d.count(kTestWhite) + d.count(kTestBlue), 512 * 512);  // no blending
    EXPECT_EQ(d.point(), QPointF(40 + 4 * 8, 60));                   // on past the text, same line

    // a very long text off the left edge, and far off to the right: no overflow
    const Drawn far([](Canvas& c) {
        c.foreColor = kTestWhite, c.currentX = -8 * 100000, c.currentY = 10;
        c.printText(std::string(100000, '.') + "IIII");
        c.currentX = 1e30f;
        c.printText(std::string(100000, '.') + "IIII");
    });
    EXPECT_GT(far.count(kTestWhite, 0, 10, 31, 26), 0);
    EXPECT_EQ(far.count(kTestWhite, 32, 0, 511, 511), 0);
}

TEST(Canvas, PicturesScaleNearestNeighbourClipAndKeepThePoint) {
    const Drawn d([](Canvas& c) {
        c.currentX = 7, c.currentY = 8;
        c.drawPicture(picture(2, 2, {kTestWhite, kTestRed, kTestGreen, kTestBlue}), 100, 100, 44, 44);
        c.drawPicture(picture(5, 3, {kTestWhite}), 509, 510);  // runs off the corner
        c.drawPicture(picture(5, 3, {kTestWhite}), 32767, -32768);
        c.drawPicture(QImage(), 0, 0, 44, 44);
    });
    EXPECT_EQ(QList<QRgb>({d.px(100, 100), d.px(143, 100), d.px(100, 143), d.px(143, 143)}),
              QList<QRgb>({kTestWhite, kTestRed, kTestGreen, kTestBlue}));
    for (const QRgb c : {kTestWhite, kTestRed, kTestGreen, kTestBlue})
        EXPECT_EQ(d.count(c, 100, 100, 143, 143), 22 * 22);
    EXPECT_TRUE(d.px(144, 100) == d.canvas.backColor && d.px(99, 143) == d.canvas.backColor);
    EXPECT_EQ(d.px(511, 511), kTestWhite);
    EXPECT_EQ(d.point(), QPointF(7, 8));
}
