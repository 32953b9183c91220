// The main window on a loopback server: what only the real widgets show,
// the focus, the menus, the socket and the display as painted.
#include "gui/main_window.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWheelEvent>

#include "gui/connection.h"
#include "gui/display_widget.h"
#include "gui/entry_box.h"
#include "gui/item_grid_view.h"
#include "gui/log_window.h"
#include "gui/message_grid_view.h"
#include "gui/screenshot.h"
#include "gui/tab_strip.h"
#include "gui/window_zoom.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::FakeGameServer;
using quorlak::test::waitUntil;

namespace {

// The connected window, with the look-ups its tests share.
class ConnectedWindow : public test::WindowOnFakeServer {
protected:
    QRgb canvasPixel(int x, int y) const { return window->core().canvas().image().pixel(x, y); }
    QRgb shownPixel(int x, int y) const { return window->display()->grab().toImage().pixel(x, y); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    // Text box input on and an input field open: the entry box shows and has the keys.
    void openPrompt() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        action("mnutextbox")->trigger();
        server.send("cu(40,300)-(12,0)\x1f");
        ASSERT_TRUE(waitUntil([this] { return window->entryBox()->isVisible() && window->entryBox()->hasFocus(); }));
    }
};

}  // namespace

TEST_F(ConnectedWindow, StartsAsDesignedReportsTheConnectionAndItsMenusFollowTheModes) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Duvur Quorlak"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(512, 512));
    QStringList captions;
    for (QAction* a : window->menuBar()->actions())
        if (a->isVisible()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Textbox", "DELAY", "view log", "View", "Connection", "Help"}));
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("Connected to ") + server.shown());
    // the first resize has laid the panels out, and no panel takes the keyboard
    EXPECT_EQ(window->itemGrid()->geometry(), QRect(182, 200, 330, 225));
    EXPECT_EQ(window->focusSink()->geometry(), QRect(0, 0, 1, 1));
    for (QWidget* w : std::initializer_list<QWidget*>{window->itemGrid(), window->messageGrid(), window->tabStrip()})
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
    EXPECT_EQ(shownPixel(5, 5), kBlack);
    action("mnudelay")->trigger();
    EXPECT_EQ(action("mnudelay")->text(), QStringLiteral("Delay"));
    EXPECT_FALSE(window->core().modes().delay);
    action("mnudelay")->trigger();
    EXPECT_EQ(action("mnudelay")->text(), QStringLiteral("DELAY"));
}

TEST_F(ConnectedWindow, DrawsRecordsAndFollowsResizes) {
    server.send(
        "cs\x1f"
        "fx(10,10)-(20,20)\x1f");
    ASSERT_TRUE(waitUntil([this] { return canvasPixel(15, 15) == quorlak::kOrange; }));
    EXPECT_EQ(shownPixel(15, 15), quorlak::kOrange);
    EXPECT_EQ(shownPixel(25, 25), kBlack);
    // wider than 612: the item grid becomes the full-height column at the right
    window->resize(window->width() + 200, window->height() + 40);
    ASSERT_TRUE(waitUntil([this] { return window->core().clientWidth() == 712; }));
    EXPECT_EQ(window->itemGrid()->geometry(), QRect(712 - 222, 0, 222, 552));
    EXPECT_EQ(window->messageGrid()->height(), 552 - 456);
}

TEST_F(ConnectedWindow, APauseLeavesLaterDataInTheSocketUntilItEnds) {
    server.send("pz1500\x1f");
    ASSERT_TRUE(waitUntil([this] { return window->core().holding(); }));
    server.send("fx(50,50)-(60,60)\x1f");
    ASSERT_TRUE(waitUntil([this] { return window->connection()->bytesAvailable() > 0; }));
    EXPECT_TRUE(window->core().holding());
    EXPECT_EQ(canvasPixel(55, 55), kBlack);
    ASSERT_TRUE(waitUntil([this] { return canvasPixel(55, 55) == quorlak::kOrange; }));
    EXPECT_EQ(window->connection()->bytesAvailable(), 0);
    EXPECT_EQ(shownPixel(55, 55), quorlak::kOrange);
}

TEST_F(ConnectedWindow, KeysReachTheServerOnceAndStillReachTheFocusedControl) {
    QTest::keyClick(window.get(), Qt::Key_A);
    ASSERT_TRUE(server.waitForReceived(" 65, 0"));
    // a key sent to a child travels up to the window, and is seen only once
    QTest::keyClick(window->focusSink(), Qt::Key_B, Qt::ShiftModifier);
    ASSERT_TRUE(server.waitForReceived(" 66, 1"));
    // the entry box still edits its text, and the core learns it
    window->entryBox()->show();
    window->entryBox()->setFocus();
    QTest::keyClicks(window->entryBox(), "cd");
    ASSERT_TRUE(server.waitForReceived(" 68, 0"));
    EXPECT_EQ(window->entryBox()->text(), QStringLiteral("cd"));
    EXPECT_EQ(window->core().textBox().text, "cd");
    EXPECT_EQ(server.received().toStdString(), " 65, 0 66, 1 67, 0 68, 0");
    // a click on the third tab asks for its screen
    QTest::mouseClick(window->tabStrip(), Qt::LeftButton, {}, window->tabStrip()->tabRect(2).center());
    EXPECT_TRUE(server.waitForReceived(" 68, 0 118, 0 83, 1"));
}

TEST_F(ConnectedWindow, TheTextBoxEditsLocallySendsOnEnterAndAClickOnAPanelTakesItsKeys) {
    openPrompt();
    EntryBox* box = window->entryBox();
    EXPECT_EQ(box->pos(), QPoint(56, 300));
    EXPECT_EQ(box->maxLength(), 12);
    // typed at the window, as the platform delivers keys: the focused box gets them
    for (char ch : {'h', 'i'}) QTest::keyClick(window->windowHandle(), ch);
    EXPECT_EQ(box->text(), QStringLiteral("hi"));
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_EQ(server.received().toStdString(), " 72, 0 73, 0 13, 0");
    // a click on a panel hands the keys to the sink, not to the panel
    box->setFocus();
    QTest::mouseClick(window->tabStrip(), Qt::LeftButton, {}, window->tabStrip()->tabRect(0).center());
    EXPECT_TRUE(window->focusSink()->hasFocus());
    box->setFocus();
    QTest::mouseClick(window->messageGrid()->viewport(), Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_TRUE(window->focusSink()->hasFocus());
    box->setFocus();
    QTest::mouseClick(window->itemGrid()->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    ASSERT_TRUE(window->focusSink()->hasFocus());
    // ...and Up no longer moves a box that does not hold the keys
    const int top = window->core().textBox().geometry.top;
    QTest::keyClick(window->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(window->core().textBox().geometry.top, top);
    // until the server opens the next field: typing goes into the box again
    server.send("cu(40,300)-(12,0)\x1f");
    EXPECT_TRUE(waitUntil([box] { return box->hasFocus(); }));
    QTest::keyClick(window->windowHandle(), 'x');
    EXPECT_EQ(box->text(), QStringLiteral("x"));
}

TEST_F(ConnectedWindow, RightClickOnTheItemGridOffersTheItemActionsAndAnExchangeTakesAGridClick) {
    ItemGridView* grid = window->itemGrid();
    const QModelIndex before = grid->currentIndex();
    // third row from the top: 40 pixels = 600 twips, row 2, item 3
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, QPoint(60, 40));
    QMenu* menu = window->itemMenu();
    ASSERT_TRUE(waitUntil([menu] { return menu->isVisible(); }));
    EXPECT_EQ(window->core().actions().itemPick(), 3);
    EXPECT_EQ(grid->currentIndex(), before);
    QStringList captions;
    for (QAction* a : menu->actions()) captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions, QStringList({"cast sPell", "Use", "Give", "-", "Xchange", "Bank"}));
    menu->findChild<QAction*>(QStringLiteral("mnuUse"))->trigger();
    menu->hide();
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_EQ(server.received().toStdString(), " 85, 1 51, 0 13, 0");

    server.clearReceived();
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, grid->visualRect(grid->model()->index(2, 1)).center());
    ASSERT_TRUE(waitUntil([menu] { return menu->isVisible(); }));
    menu->findChild<QAction*>(QStringLiteral("mnuXchange"))->trigger();
    menu->hide();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(6, 1)).center());
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_EQ(server.received().toStdString(), " 88, 1 51, 0 44, 0 55, 0 13, 0");
    // the grid's current row is back at the top, so the same row can be chosen again
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(ConnectedWindow, ARisingUserCountSoundsAndAClickOnAMessageRowAnswersIt) {
    server.send(
        "cd01 \x1flc(10,150)\x1fpt'1 users'\x1flc(10,150)\x1fpt'2 users'\x1f"
        "lc(0,490)\x1fpt'-P bob                  hi'\x1f");
    ASSERT_TRUE(waitUntil([this] { return window->core().warnings() == 1 && window->messageGrid()->isVisible(); }));
    MessageGridView* grid = window->messageGrid();
    // on the name: the message cell of the newest row is already the current cell
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 2)).center());
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_TRUE(server.received().startsWith(" 77, 1 80, 0 66, 0 79, 0 66, 0 32, 0"))
        << server.received().toStdString();
}

TEST_F(ConnectedWindow, OnlyADoubleClickOnTheBareDisplayFreezesIt) {
    QTest::mouseDClick(window->tabStrip(), Qt::LeftButton, {}, window->tabStrip()->tabRect(1).center());
    QTest::mouseDClick(window->itemGrid()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(window->core().modes().frozen);
    EXPECT_FALSE(window->frozenLabel()->isVisible());
    QTest::mouseDClick(window->display(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(window->core().modes().frozen);
    // the status line says why nothing moves, until the next double-click
    EXPECT_TRUE(window->frozenLabel()->isVisible());
    QTest::mouseDClick(window->display(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(window->core().modes().frozen || window->frozenLabel()->isVisible());
}

TEST_F(ConnectedWindow, PointerMovesOverAPanelAreNotMovesOverTheBareDisplay) {
    // a right-click on the tab strip saves the grid's height, so both z-order rules act
    QTest::mouseClick(window->tabStrip(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_NE(window->core().actions().savedGridHeight(), 0);
    QTest::mouseMove(window->itemGrid()->viewport(), QPoint(30, 10));
    ASSERT_TRUE(waitUntil([this] { return !window->core().tabs().front; }));
    QTest::mouseMove(window->tabStrip(), window->tabStrip()->tabRect(2).center());
    QTest::qWait(20);
    EXPECT_FALSE(window->core().tabs().front);
    QTest::mouseMove(window->display(), QPoint(60, 60));
    ASSERT_TRUE(waitUntil([this] { return window->core().tabs().front; }));
}

TEST_F(ConnectedWindow, TheLogWindowOpensFromTheMenuAndClosesWithTheMainWindow) {
    EXPECT_EQ(window->logWindow(), nullptr);
    action("mnuviewlog")->trigger();
    LogWindow* log = window->logWindow();
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isVisible());
    EXPECT_EQ(log->windowTitle(), QStringLiteral("encounter log"));
    EXPECT_EQ(log->size(), QSize(304, 201));
    // closed by its title bar: the core hears of it; the menu shows the same window again
    log->close();
    EXPECT_FALSE(window->core().log().visible);
    action("mnuviewlog")->trigger();
    EXPECT_EQ(window->logWindow(), log);
    EXPECT_TRUE(log->isVisible());
    window->close();
    EXPECT_FALSE(log->isVisible());
}

TEST_F(ConnectedWindow, HelpShowsTheLocalKeysOnceTheVersionWithTheFontsLicenceAndTheModesTheirTooltips) {
    // a menu bar shows no tooltips of its own
    const QRect delay = window->menuBar()->actionGeometry(action("mnudelay"));
    QHelpEvent hover(QEvent::ToolTip, delay.center(), window->menuBar()->mapToGlobal(delay.center()));
    QApplication::sendEvent(window->menuBar(), &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), action("mnudelay")->toolTip());
    action("mnuKeys")->trigger();
    action("mnuKeys")->trigger();  // shown again, not twice
    const auto keys = window->findChildren<QMessageBox*>(QStringLiteral("keysHelp"));
    ASSERT_EQ(keys.size(), 1);
    EXPECT_TRUE(keys[0]->isVisible() && keys[0]->text().contains(QLatin1String("Ctrl+I")));
    action("mnuAbout")->trigger();
    auto* about = window->findChild<QMessageBox*>(QStringLiteral("aboutBox"));
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->text().contains(QLatin1String(QUORLAK_VERSION)));
    EXPECT_TRUE(about->detailedText().contains(QLatin1String("GNU")));  // the licence file was found
}

TEST_F(ConnectedWindow, ARecordingStartedLaterSaysWhereAndAFileThatCannotBeWrittenIsRefused) {
    EXPECT_FALSE(window->startRecording(dir.filePath(QStringLiteral("missing/s.jsonl"))));
    EXPECT_TRUE(window->statusBar()->currentMessage().contains(QLatin1String("s.jsonl")));
    EXPECT_EQ(action("recordSession")->text(), QStringLiteral("Record session\u2026"));
    const QString path = dir.filePath(QStringLiteral("s.jsonl"));
    ASSERT_TRUE(window->startRecording(path));
    EXPECT_EQ(action("recordSession")->text(), QStringLiteral("Stop recording"));
    server.send("lc(7,7)\x1f");
    ASSERT_TRUE(waitUntil([&] { return window->core().canvas().currentX == 7; }));
    window->stopRecording();
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Recording saved in ") + path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(R"({"recv": "lc(7,7)\u001f"})"));
}

TEST_F(ConnectedWindow, CtrlWithTheWheelZoomsAndAScreenshotThatCannotBeSavedSaysSo) {
    auto wheel = [&](Qt::KeyboardModifiers modifiers, int notches) {
        const QPointF at(50, 50);
        QWheelEvent event(at, window->display()->mapToGlobal(at), {}, {0, notches * WindowZoom::kWheelNotch},
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window->display(), &event);
    };
    wheel(Qt::NoModifier, 1);
    EXPECT_EQ(window->zoom()->zoom(), 1);
    wheel(Qt::ControlModifier, 2);
    EXPECT_EQ(window->zoom()->zoom(), 3);
    wheel(Qt::ControlModifier, -1);
    EXPECT_EQ(window->zoom()->zoom(), 2);
    EXPECT_FALSE(window->saveScreenshot(dir.filePath(QStringLiteral("missing/shot.png"))));
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QLatin1String("Cannot save the screenshot")));
    // what the save dialog offers: a folder that is there, a name with the date and time
    EXPECT_TRUE(QDir(screenshotFolder()).exists());
    EXPECT_EQ(screenshotName(QDateTime(QDate(2026, 12, 7), QTime(8, 3, 9))),
              QStringLiteral("quorlak-2026-12-07-080309.png"));
}
