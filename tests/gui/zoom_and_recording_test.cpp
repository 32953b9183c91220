// A real session in the window, against the stand-in server: zoomed by whole
// pixels, its messages logged, a screenshot taken, recorded; then the
// recording replayed headless and played back in a window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include "canvas/canvas.h"
#include "gui/demo_server.h"
#include "gui/display_widget.h"
#include "gui/item_grid_view.h"
#include "gui/main_window.h"
#include "gui/message_log.h"
#include "gui/playback.h"
#include "gui/settings.h"
#include "gui/window_zoom.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::waitUntil;

namespace {

// The picture with every unit drawn as a zoom x zoom block.
QImage blownUp(const QImage& picture, int zoom) {
    QImage out(picture.width() * zoom, picture.height() * zoom, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, picture.pixel(x / zoom, y / zoom));
    return out;
}

// What the display itself paints, without the panels over it.
QImage painted(DisplayWidget& display) {
    QImage image(display.size(), QImage::Format_RGB32);
    display.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image.copy(0, 0, Canvas::kSize * display.scale().zoom(), Canvas::kSize * display.scale().zoom());
}

void type(MainWindow& window, const QString& text) {
    QTest::keyClicks(window.focusWidget(), text);
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
}

}  // namespace

TEST(RecordedWindow, ZoomsByWholePixelsAndItsRecordingReplaysAndPlaysBackToTheSamePicture) {
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("settings.conf")));
    QObject owner;
    QString error;
    const auto address = startDemoServer(&owner, &error);
    ASSERT_TRUE(address) << error.toStdString();

    MainWindowOptions options;
    options.broadcastDirectory = dir.path();
    options.settings = &settings;
    options.recordFile = dir.filePath(QStringLiteral("session.jsonl"));
    options.messageLogDirectory = dir.filePath(QStringLiteral("logs"));
    auto window = std::make_unique<MainWindow>(*address, options);
    window->show();
    window->setLogMessages(true);
    ASSERT_TRUE(waitUntil([&] { return window->core().connected(); }));
    QTest::qWait(300);
    type(*window, QStringLiteral("Zoomer"));
    ASSERT_TRUE(waitUntil([&] { return window->windowTitle() == QStringLiteral("Quorlak Town"); }));
    QTest::keyClick(window->focusWidget(), Qt::Key_F7);
    QTest::qWait(300);

    // 2x: every unit a 2 x 2 block; the layout keeps its units.
    window->zoom()->setZoom(2);
    QTest::qWait(50);
    EXPECT_EQ(window->display()->size(), QSize(1024, 1024));
    EXPECT_EQ(window->core().clientWidth(), 512);
    EXPECT_EQ(window->itemGrid()->geometry(), QRect(364, 400, 660, 450));
    EXPECT_EQ(painted(*window->display()), blownUp(window->core().canvas().image(), 2));
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    ASSERT_TRUE(window->saveScreenshot(shot));
    EXPECT_EQ(QImage(shot).convertToFormat(QImage::Format_RGB32), blownUp(window->core().canvas().image(), 2));
    window->copyScreenshot();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              blownUp(window->core().canvas().image(), 2));
    EXPECT_EQ(settings.zoom(), 2);

    const QImage last = window->core().canvas().image();
    const QString logPath = window->messageLog()->path();
    window->close();
    window.reset();

    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll())
                    .contains(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  .*Zoomer"),
                                                 QRegularExpression::MultilineOption)));

    // The replay driver draws the same picture from the recording.
    const QString png = dir.filePath(QStringLiteral("replayed.png"));
    QProcess replay;
    replay.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quorlak-replay")),
                 {QStringLiteral("--script"), options.recordFile, QStringLiteral("--png"), png});
    ASSERT_TRUE(replay.waitForFinished(30000));
    ASSERT_EQ(replay.exitCode(), 0) << replay.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), last.convertToFormat(QImage::Format_RGB32));

    // And a window playing it back shows it too, without a server.
    MainWindowOptions playing;
    playing.broadcastDirectory = dir.path();
    playing.settings = &settings;
    std::vector<ScriptEvent> events;
    std::string why;
    ASSERT_TRUE(loadScript(options.recordFile, events, why)) << why;
    playing.playback = std::move(events);
    MainWindow player(ServerAddress{}, playing);
    player.show();
    player.zoom()->setZoom(2);  // the test's screen may be too small to start at 2x
    ASSERT_TRUE(player.playback()->playing());
    player.playback()->runToEnd();
    EXPECT_TRUE(player.playback()->finished());
    EXPECT_EQ(painted(*player.display()), blownUp(last, 2));
}

TEST(RememberedSettings, UnusableValuesFallBackToTheDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.conf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[view]\nzoom=17\nlogMessages=perhaps\n[window]\ngeometry=@ByteArray(garbage)\ngeometryZoom=1\n");
    file.close();
    Settings settings(path);
    EXPECT_EQ(settings.zoom(), std::nullopt);
    EXPECT_FALSE(settings.logMessages());
    MainWindowOptions options;
    options.broadcastDirectory = dir.path();
    options.settings = &settings;
    MainWindow window(ServerAddress{QStringLiteral("127.0.0.1"), 1}, options);
    window.show();
    EXPECT_EQ(window.zoom()->zoom(), 1);
    EXPECT_EQ(window.display()->size(), QSize(512, 512));

    // A zoom too large for this screen starts smaller, and is kept for a larger screen.
    settings.setZoom(4);
    MainWindow small(ServerAddress{QStringLiteral("127.0.0.1"), 1}, options);
    small.show();
    if (small.screen()->availableGeometry().height() < 4 * Canvas::kSize) {
        EXPECT_LT(small.display()->height(), 4 * Canvas::kSize);
        EXPECT_LE(small.frameGeometry().height(), small.screen()->availableGeometry().height());
    }
    EXPECT_EQ(settings.zoom(), 4);
}

TEST(RecordedWindow, APlaybackStandsStillWhilePausedAndRunsAtItsSpeed) {
    QTemporaryDir dir;
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(parseScript("{\"advance\": 1600}\n{\"recv\": \"lc(10,10)\\u001fpt'x'\\u001f\"}\n", events, error))
        << error;
    MainWindowOptions playing;
    playing.broadcastDirectory = dir.path();
    playing.playback = std::move(events);
    playing.playbackSpeed = 8;
    MainWindow player(ServerAddress{}, playing);
    player.show();
    Playback& playback = *player.playback();
    playback.pause();
    const double at = playback.position();
    QTest::qWait(150);
    EXPECT_EQ(playback.position(), at);
    QElapsedTimer clock;
    clock.start();
    playback.play();
    ASSERT_TRUE(waitUntil([&] { return playback.finished(); }));
    EXPECT_LT(clock.elapsed(), 1000);  // 1.6 s recorded, shown in a fifth of it
    EXPECT_GT(clock.elapsed(), 100);
}
