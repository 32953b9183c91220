// The drawing records and their side duties on the panels.
#include <gtest/gtest.h>

#include "display_rig.h"
#include "fake_host.h"
#include "session/client_core.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kRedPen = 0xffff0000;

using DrawingRecords = DisplayRig;

TEST_F(DrawingRecords, ClearScreenHidesTheBoxSoXxxReturnsToTheOrigin) {
    state.textboxmode = true;
    feed("cu(40,300)-(12,0)");
    ASSERT_TRUE(box.visible);
    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed("cs\x1f" "lc(9,9)\x1f" "cuXXX");
    EXPECT_EQ(countAll(kBlack), 512 * 512);
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(state.boxleft, 0);
    EXPECT_EQ(canvas.currentX, 0);
    EXPECT_EQ(canvas.currentY, 0);
}

TEST_F(DrawingRecords, LocatePointLineBoxFillAndCircle) {
    feed("lc(30,40)");
    EXPECT_EQ(canvas.currentX, 30);
    EXPECT_EQ(canvas.currentY, 40);
    EXPECT_EQ(countAll(kOrangeFore), 0);

    feed("ps(5,6)");
    EXPECT_EQ(px(5, 6), kOrangeFore);
    feed("ln(10,20)-(10,30)");
    EXPECT_EQ(count(kOrangeFore, 10, 20, 10, 30), 11);
    feed("bx(50,50)-(60,60)");
    EXPECT_EQ(count(kOrangeFore, 50, 50, 60, 60), 40);
    feed("fx(100,100)-(120,110)");
    EXPECT_TRUE(allOf(kOrangeFore, 100, 100, 120, 110));
    feed("ce(300,300),30");
    EXPECT_EQ(px(330, 300), kOrangeFore);
    EXPECT_EQ(px(300, 300), kBlack);
    EXPECT_EQ(canvas.currentX, 300);
}

TEST_F(DrawingRecords, CircleRadiusComesFromEarlierInTheSameChunkOnly) {
    feed("ln(0,0)-(20,0)\x1f" "ce(100,100)");
    EXPECT_EQ(px(120, 100), kOrangeFore);
    feed("ce(300,300)");  // a new chunk: radius 0, the centre alone
    EXPECT_EQ(px(300, 300), kOrangeFore);
    EXPECT_EQ(count(kOrangeFore, 290, 290, 310, 310), 1);
}

TEST_F(DrawingRecords, ArgumentsGetcoordsRejectsAreIgnored) {
    feed("lc(30,40)\x1f" "lc(5)\x1f" "ps(99999,1)\x1f" "fx7\x1f" "cr\x1f" "ce5");
    EXPECT_EQ(canvas.currentX, 30);
    EXPECT_EQ(canvas.currentY, 40);
    EXPECT_EQ(countAll(kOrangeFore), 0);
}

TEST_F(DrawingRecords, LineUnderASlotReprintsItInRedAfterTheGameBegan) {
    state.cdseen = true;
    // Slots printed far from the band, so their text and the lines do not overlap.
    for (int k = 1; k <= 4; ++k) {
        state.slottext[k] = "IIII";
        state.slotx[k] = int16_t(100 * k);
        state.sloty[k] = 300;
    }
    const struct {
        const char* record;
        int slot;
    } cases[] = {{"ln(10,130)-(60,130)", 1},
                 {"ln(99,140)-(60,140)", 2},
                 {"ln(100,123)-(160,125)", 3},
                 {"ln(150,136)-(200,145)", 4}};
    for (const auto& c : cases) {
        canvas.clear();
        canvas.foreColor = kOrangeFore;
        feed(c.record);
        EXPECT_EQ(canvas.foreColor, kRedPen) << c.record;
        EXPECT_EQ(countAll(kOrangeFore), 0) << c.record;
        for (int k = 1; k <= 4; ++k) {
            const int red = count(kRedPen, 100 * k, 295, 100 * k + 31, 311);
            if (k == c.slot) EXPECT_GT(red, 0) << c.record;
            else EXPECT_EQ(red, 0) << c.record << " slot " << k;
        }
    }
    feed("ps(400,20)");  // the red stays
    EXPECT_EQ(px(400, 20), kRedPen);
}

TEST_F(DrawingRecords, LineOutsideTheBandOrBeforeTheGameBeganIsPlain) {
    state.slottext[1] = "IIII";
    state.slotx[1] = 100;
    state.sloty[1] = 300;
    feed("ln(10,130)-(200,130)");  // no "cd" yet
    EXPECT_EQ(canvas.foreColor, kOrangeFore);
    EXPECT_EQ(count(kOrangeFore, 10, 130, 200, 130), 191);
    EXPECT_EQ(countAll(kRedPen), 0);

    state.cdseen = true;
    feed("ln(10,120)-(10,130)\x1f" "ln(10,130)-(10,146)");
    EXPECT_EQ(canvas.foreColor, kOrangeFore);
    EXPECT_EQ(countAll(kRedPen), 0);
}

TEST_F(DrawingRecords, SmallBoxLowDownMarksTheItemRowInstead) {
    state.itemnum = 5;
    feed("fx(300,250)-(310,258)");
    EXPECT_EQ(items.rows[4].mark, kBullet);
    EXPECT_TRUE(items.rows[4].bold);
    EXPECT_EQ(items.row, 4);
    EXPECT_EQ(items.col, 1);
    EXPECT_EQ(countAll(kOrangeFore), 0);

    feed("fx(300,250)-(310,260)");  // extent 20: still a mark
    EXPECT_EQ(countAll(kOrangeFore), 0);
    feed("fx(300,201)-(300,201)");
    EXPECT_EQ(countAll(kOrangeFore), 0);
    feed("fx(300,250)-(311,260)");  // extent 21: drawn
    EXPECT_TRUE(allOf(kOrangeFore, 300, 250, 311, 260));
    feed("fx(300,150)-(310,158)");  // high up: drawn
    EXPECT_TRUE(allOf(kOrangeFore, 300, 150, 310, 158));
    feed("fx(400,200)-(401,201)");  // y 200 is not below 200
    EXPECT_EQ(px(400, 200), kOrangeFore);
}

TEST_F(DrawingRecords, ItemMarkNeedsARowThatExists) {
    const ItemGridModel before = items;
    for (const int16_t n : {0, -3, 99, 32767}) {
        state.itemnum = n;
        feed("fx(300,250)-(310,258)");
    }
    for (int i = 0; i < ItemGridModel::kRows; ++i) EXPECT_EQ(items.rows[i].mark, "");
    EXPECT_EQ(items.revision, before.revision);
    EXPECT_EQ(countAll(kOrangeFore), 0);
    state.itemnum = 98;
    feed("fx(300,250)-(310,258)");
    EXPECT_EQ(items.rows[97].mark, kBullet);
}

TEST_F(DrawingRecords, ClearRectFillsWithTheBackgroundInclusive) {
    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed("cr(10,20)-(30,25)");
    EXPECT_TRUE(allOf(kBlack, 10, 20, 30, 25));
    EXPECT_EQ(countAll(kBlack), 21 * 6);
}

TEST_F(DrawingRecords, ClearRectAt255ClearsTheChestPlace) {
    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed("cr(255,0)-(0,0)");
    EXPECT_TRUE(allOf(kBlack, 180, 40, 221, 69));
    EXPECT_EQ(countAll(kBlack), 42 * 30);
    EXPECT_EQ(px(255, 0), kWhite);
}

TEST_F(DrawingRecords, ClearRectSpecialCasesInTheirOrder) {
    tabs.visible = false;
    state.expstart = 100;
    state.logging = true;
    feed("cr(221,436)-(300,440)");  // the tab strip row wins over x 221
    EXPECT_TRUE(tabs.visible);
    EXPECT_EQ(state.expstart, 100);
    EXPECT_TRUE(state.logging);

    canvas.fillBox(0, 0, 511, 511, kWhite);
    feed("cr(255,436)-(260,440)");  // and over x 255: the rectangle is kept
    EXPECT_TRUE(allOf(kBlack, 255, 436, 260, 440));
    EXPECT_EQ(px(200, 50), kWhite);

    feed("cr(221,0)-(221,0)");
    EXPECT_EQ(state.expstart, 0);
    EXPECT_FALSE(state.logging);
    EXPECT_EQ(px(221, 0), kBlack);
}

TEST_F(DrawingRecords, ClearRectHidesTheBoxStrictlyInsideIt) {
    state.textboxmode = true;
    feed("cu(90,90)-(5,0)");  // box at (106, 90)
    feed("cr(106,50)-(150,150)");  // on the left edge: stays
    EXPECT_TRUE(box.visible);
    feed("cr(50,90)-(150,150)");  // on the top edge: stays
    EXPECT_TRUE(box.visible);
    feed("cr(105,89)-(107,91)");
    EXPECT_FALSE(box.visible);
    EXPECT_EQ(state.boxleft, 0);

    feed("cu(184,45)-(5,0)");  // box at (200, 45), inside the chest place
    feed("cr(255,0)-(0,0)");
    EXPECT_FALSE(box.visible);
}

// The same records arriving through the whole core reach the display.
TEST(DrawingRecordsThroughCore, ReceivedChunksDrawAndReportDamage) {
    ensureGuiApp();
    GlobalVars globals;
    FakeHost host;
    FakeClock clock;
    ClientCore core(globals, host, clock);
    core.load(Pictures{}, QFont());
    core.canvas().takeDamage();
    core.receive("fx(10,20)-(30,40)\x1f" "bx(100,100)-(110,110)\x1f");
    EXPECT_EQ(core.canvas().image().pixel(30, 40), kOrangeFore);
    EXPECT_EQ(core.canvas().image().pixel(110, 105), kOrangeFore);
    const QRect damage = core.canvas().takeDamage();
    EXPECT_TRUE(damage.contains(QRect(QPoint(10, 20), QPoint(110, 110))));
    core.receive("cs\x1f");
    EXPECT_EQ(core.canvas().image().pixel(30, 40), kBlack);
}

}  // namespace
