// Text cut by the image's edges, and coordinates written the usual way.
#include <gtest/gtest.h>

#include "canvas/canvas.h"
#include "canvas/data_files.h"
#include "test_app.h"
#include "wire/coords.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

constexpr QRgb kInk = 0xffffffff;

void print(Canvas& canvas, float x, float y) {
    canvas.currentX = x;
    canvas.currentY = y;
    canvas.foreColor = kInk;
    canvas.printText("@Wjy_|Q");
}

}  // namespace

TEST(DrawingPaths, TextCutByAnEdgeShowsExactlyItsPartOnTheImage) {
    ensureGuiApp();
    Canvas whole;
    whole.setFont(loadTerminalFont());
    print(whole, 200, 200);
    for (const auto& [x, y] :
         {std::pair{-13, 200}, {-50, 200}, {490, 200}, {509, 200}, {200, -9}, {200, 503}, {-3, -4}, {506, 507}}) {
        Canvas cut;
        cut.setFont(whole.font());
        print(cut, float(x), float(y));
        int lit = 0;
        for (int py = 0; py < Canvas::kSize; ++py) {
            for (int px = 0; px < Canvas::kSize; ++px) {
                const int sx = px - x + 200, sy = py - y + 200;
                const bool inWhole = sx >= 0 && sy >= 0 && sx < Canvas::kSize && sy < Canvas::kSize;
                const QRgb expected = inWhole ? whole.image().pixel(sx, sy) : kBlack;
                ASSERT_EQ(cut.image().pixel(px, py), expected) << x << "," << y << " at " << px << "," << py;
                lit += expected == kInk;
            }
        }
        EXPECT_GT(lit, 0) << x << "," << y;
    }
}

TEST(DrawingPaths, BlanksAndBracketsInsideANumberAreSkipped) {
    Points p;
    ASSERT_TRUE(decodePoints("(1 2,3)", p));
    EXPECT_EQ(p.x[0], 12);
    EXPECT_EQ(p.y[0], 3);
    ASSERT_TRUE(decodePoints("1(2)3,4\t5", p));
    EXPECT_EQ(p.x[0], 123);
    EXPECT_EQ(p.y[0], 45);
    ASSERT_TRUE(decodePoints("000012,7,(8,9)x", p));  // long, and trailing text: the general rule's
    EXPECT_EQ(p.x[0], 12);
    EXPECT_EQ(p.y[1], 9);
    EXPECT_FALSE(decodePoints("3 2768,1", p));
    EXPECT_EQ(p.x[0], 12);
}
