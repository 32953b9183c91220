// A window under a flood of drawing: a key goes out while the flood's records
// still wait their turn, and every record still runs, in order.
#include <gtest/gtest.h>

#include "gui/main_window.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::waitUntil;

using FloodedWindow = quorlak::test::WindowOnFakeServer;

TEST_F(FloodedWindow, AKeyGoesOutWhileAFloodWaitsAndTheFloodStillRunsInOrder) {
    MainWindow& window = *this->window;

    // Far more full-screen boxes than one turn draws, then a clear and one point.
    QByteArray flood;
    for (int i = 0; i < 3000; ++i) flood += "fx(0,0)-(511,511)\x1f";
    server.send(flood + "cs\x1fps(7,7)\x1f");
    ASSERT_TRUE(waitUntil([&] { return window.core().recordsWaiting(); }));
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_TRUE(window.core().recordsWaiting());
    EXPECT_TRUE(server.waitForReceived(" 65, 0"));

    // The boxes are orange too: only the clear, then the point, in that order, give this.
    const QImage& picture = window.core().canvas().image();
    EXPECT_TRUE(waitUntil([&] { return picture.pixel(8, 8) == kBlack && picture.pixel(7, 7) == kOrange; }, 30000));
}
