#include "gui/main_window.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "gui/connection.h"
#include "gui/display_widget.h"
#include "gui/entry_box.h"
#include "gui/item_grid_view.h"
#include "gui/log_window.h"
#include "gui/message_grid_view.h"
#include "gui/tab_strip.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::FakeGameServer;
using quorlak::test::waitUntil;

namespace {

// A main window connected to a fake server, with its own broadcast directory.
class ConnectedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(server.address(), MainWindow::Options{dir.path()});
        window->show();
        ASSERT_TRUE(server.acceptClient());
        ASSERT_TRUE(waitUntil([this] { return window->core().connected(); }));
    }

    QRgb canvasPixel(int x, int y) const { return window->core().canvas().image().pixel(x, y); }
    QRgb shownPixel(int x, int y) const { return window->display()->grab().toImage().pixel(x, y); }

    FakeGameServer server;
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

QStringList menuBarCaptions(QMainWindow& window) {
    QStringList captions;
    for (QAction* a : window.menuBar()->actions())
        if (a->isVisible()) captions << a->text();
    return captions;
}

}  // namespace

TEST_F(ConnectedWindow, StartsAsDesignedAndReportsTheConnection) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Duvur Quorlak"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(512, 512));
    EXPECT_EQ(window->core().clientWidth(), 512);
    EXPECT_TRUE(window->core().modes().delay);
    EXPECT_EQ(menuBarCaptions(*window), QStringList({"&Textbox", "&DELAY", "view &log", "View", "&Connection"}));
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("Connected to ") + server.shown());
    // The first resize has laid the panels out: the narrow layout.
    EXPECT_EQ(window->itemGrid()->geometry(), QRect(182, 200, 330, 225));
    EXPECT_EQ(window->messageGrid()->geometry(), QRect(0, 456, 513, 56));
    EXPECT_EQ(window->tabStrip()->geometry(), QRect(184, 424, 337, 25));
    EXPECT_EQ(window->focusSink()->geometry(), QRect(0, 0, 1, 1));
    for (QWidget* w : {static_cast<QWidget*>(window->itemGrid()), static_cast<QWidget*>(window->messageGrid()),
                       static_cast<QWidget*>(window->tabStrip())})
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
    EXPECT_EQ(shownPixel(5, 5), kBlack);
}

TEST_F(ConnectedWindow, DrawsRecordsAndFollowsResizes) {
    server.send(
        "cs\x1f"
        "fx(10,10)-(20,20)\x1f");
    ASSERT_TRUE(waitUntil([this] { return canvasPixel(15, 15) == kOrange; }));
    EXPECT_EQ(shownPixel(15, 15), kOrange);
    EXPECT_EQ(shownPixel(25, 25), kBlack);

    // Wider than 612: the item grid becomes the full-height column at the right.
    window->resize(window->width() + 200, window->height() + 40);
    ASSERT_TRUE(waitUntil([this] { return window->core().clientWidth() == 712; }));
    EXPECT_EQ(window->itemGrid()->geometry(), QRect(712 - 222, 0, 222, 552));
    EXPECT_EQ(window->messageGrid()->height(), 552 - 456);
}

TEST_F(ConnectedWindow, APauseLeavesLaterDataInTheSocketUntilItEnds) {
    server.send("pz1500\x1f");
    ASSERT_TRUE(waitUntil([this] { return window->core().holding(); }));
    server.send("fx(50,50)-(60,60)\x1f");
    // Held: the box's record waits unread in the socket.
    ASSERT_TRUE(waitUntil([this] { return window->connection()->bytesAvailable() > 0; }));
    EXPECT_TRUE(window->core().holding());
    EXPECT_EQ(canvasPixel(55, 55), kBlack);

    ASSERT_TRUE(waitUntil([this] { return canvasPixel(55, 55) == kOrange; }));
    EXPECT_EQ(window->connection()->bytesAvailable(), 0);
    EXPECT_EQ(shownPixel(55, 55), kOrange);
}

TEST_F(ConnectedWindow, KeysReachTheServerOnceAndStillReachTheFocusedControl) {
    QTest::keyClick(window.get(), Qt::Key_A);
    ASSERT_TRUE(server.waitForReceived(" 65, 0"));

    // A key sent to a child travels up to the window, and is seen only once.
    QTest::keyClick(window->focusSink(), Qt::Key_B, Qt::ShiftModifier);
    ASSERT_TRUE(server.waitForReceived(" 66, 1"));

    // The entry box still edits its text, and the core learns it.
    window->entryBox()->show();
    window->entryBox()->setFocus();
    QTest::keyClicks(window->entryBox(), "cd");
    ASSERT_TRUE(server.waitForReceived(" 68, 0"));
    EXPECT_EQ(window->entryBox()->text(), QStringLiteral("cd"));
    EXPECT_EQ(window->core().textBox().text, "cd");
    EXPECT_EQ(server.received().toStdString(), " 65, 0 66, 1 67, 0 68, 0");
}

TEST_F(ConnectedWindow, TheTextBoxEditsLocallyAndSendsOnEnter) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->menuBar()->findChild<QAction*>(QStringLiteral("mnutextbox"))->trigger();
    server.send("cu(40,300)-(12,0)\x1f");
    EntryBox* box = window->entryBox();
    ASSERT_TRUE(waitUntil([box] { return box->isVisible(); }));
    EXPECT_EQ(box->pos(), QPoint(56, 300));
    EXPECT_EQ(box->maxLength(), 12);
    EXPECT_TRUE(box->hasFocus());

    // Typed at the window, as the platform delivers keys: the focused box gets them.
    for (char ch : {'h', 'i'}) QTest::keyClick(window->windowHandle(), ch);
    EXPECT_EQ(box->text(), QStringLiteral("hi"));
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_EQ(server.received().toStdString(), " 72, 0 73, 0 13, 0");

    // A click on a panel hands the focus to the sink, not to the panel.
    box->setFocus();
    QTest::mouseClick(window->tabStrip(), Qt::LeftButton, {}, window->tabStrip()->tabRect(0).center());
    EXPECT_TRUE(window->focusSink()->hasFocus());
    box->setFocus();
    QTest::mouseClick(window->messageGrid()->viewport(), Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_TRUE(window->focusSink()->hasFocus());
}

TEST_F(ConnectedWindow, EachNewInputFieldGivesTheKeysBackToTheTextBox) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->menuBar()->findChild<QAction*>(QStringLiteral("mnutextbox"))->trigger();
    server.send("cu(40,300)-(12,0)\x1f");
    EntryBox* box = window->entryBox();
    ASSERT_TRUE(waitUntil([box] { return box->isVisible() && box->hasFocus(); }));

    // Answering the prompt by a click on the item grid leaves the keys with the sink...
    QTest::mouseClick(window->itemGrid()->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    ASSERT_TRUE(window->focusSink()->hasFocus());
    // ...and Up no longer moves a box that does not hold the keys.
    const int top = window->core().textBox().geometry.top;
    QTest::keyClick(window->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(window->core().textBox().geometry.top, top);
    // ...until the server opens the next field: typing goes into the box again.
    server.send("cu(40,300)-(12,0)\x1f");
    EXPECT_TRUE(waitUntil([box] { return box->hasFocus(); }));
    QTest::keyClick(window->windowHandle(), 'x');
    EXPECT_EQ(box->text(), QStringLiteral("x"));
}

TEST_F(ConnectedWindow, RightClickOnTheItemGridOffersTheItemActions) {
    QWidget* viewport = window->itemGrid()->viewport();
    const QModelIndex before = window->itemGrid()->currentIndex();
    // Third row from the top: 40 pixels = 600 twips, row 2, item 3.
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(60, 40));
    QMenu* menu = window->itemMenu();
    ASSERT_TRUE(waitUntil([menu] { return menu->isVisible(); }));
    EXPECT_EQ(window->core().actions().itemPick(), 3);
    EXPECT_EQ(window->itemGrid()->currentIndex(), before);

    QStringList captions;
    for (QAction* a : menu->actions()) captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions, QStringList({"cast sPell", "Use", "Give", "-", "Xchange", "Bank"}));

    menu->findChild<QAction*>(QStringLiteral("mnuUse"))->trigger();
    menu->hide();
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_EQ(server.received().toStdString(), " 85, 1 51, 0 13, 0");
}

TEST_F(ConnectedWindow, OnlyADoubleClickOnTheBareDisplayFreezesIt) {
    QTest::mouseDClick(window->tabStrip(), Qt::LeftButton, {}, window->tabStrip()->tabRect(1).center());
    QTest::mouseDClick(window->itemGrid()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(window->core().modes().frozen);
    EXPECT_FALSE(window->frozenLabel()->isVisible());
    QTest::mouseDClick(window->display(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(window->core().modes().frozen);
    // The status line says why nothing moves, until the next double-click.
    EXPECT_TRUE(window->frozenLabel()->isVisible());
    QTest::mouseDClick(window->display(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(window->core().modes().frozen);
    EXPECT_FALSE(window->frozenLabel()->isVisible());
}

TEST_F(ConnectedWindow, PointerMovesOverAPanelAreNotMovesOverTheBareDisplay) {
    // A right-click on the tab strip saves the grid's height, so both z-order clauses act.
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

TEST_F(ConnectedWindow, AnExchangeTakesTheMenuAndThenASelectionOfTheSecondItem) {
    ItemGridView* grid = window->itemGrid();
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, grid->visualRect(grid->model()->index(2, 1)).center());
    ASSERT_TRUE(waitUntil([this] { return window->itemMenu()->isVisible(); }));
    window->itemMenu()->findChild<QAction*>(QStringLiteral("mnuXchange"))->trigger();
    window->itemMenu()->hide();
    EXPECT_EQ(window->core().actions().exchangeItem(), 3);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(6, 1)).center());
    ASSERT_TRUE(server.waitForReceived(" 13, 0"));
    EXPECT_EQ(server.received().toStdString(), " 88, 1 51, 0 44, 0 55, 0 13, 0");
    EXPECT_EQ(window->core().actions().exchangeItem(), 0);
    // The grid's current row is back at the top, so the same row can be chosen again.
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(ConnectedWindow, MenuCaptionsFollowTheModes) {
    QAction* delay = window->menuBar()->findChild<QAction*>(QStringLiteral("mnudelay"));
    ASSERT_NE(delay, nullptr);
    delay->trigger();
    EXPECT_EQ(delay->text(), QStringLiteral("Delay"));
    EXPECT_FALSE(window->core().modes().delay);
    delay->trigger();
    EXPECT_EQ(delay->text(), QStringLiteral("DELAY"));
}

TEST_F(ConnectedWindow, TheLogWindowOpensFromTheMenuAndClosesWithTheMainWindow) {
    EXPECT_EQ(window->logWindow(), nullptr);
    window->menuBar()->findChild<QAction*>(QStringLiteral("mnuviewlog"))->trigger();
    LogWindow* log = window->logWindow();
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isVisible());
    EXPECT_EQ(log->windowTitle(), QStringLiteral("encounter log"));
    EXPECT_EQ(log->size(), QSize(304, 201));

    // Closed by its title bar: the core hears of it.
    log->close();
    EXPECT_FALSE(window->core().log().visible);
    window->menuBar()->findChild<QAction*>(QStringLiteral("mnuviewlog"))->trigger();
    EXPECT_EQ(window->logWindow(), log);  // one instance
    EXPECT_TRUE(log->isVisible());

    window->close();
    EXPECT_FALSE(log->isVisible());
}

TEST_F(ConnectedWindow, SurvivesTheServerClosingAndReconnects) {
    server.dropClient();
    ASSERT_TRUE(waitUntil(
        [this] { return window->statusLabel()->text() == QStringLiteral("Disconnected from ") + server.shown(); }));
    EXPECT_FALSE(window->core().connected());
    // Keys while disconnected go nowhere, and nothing fails.
    QTest::keyClick(window.get(), Qt::Key_A);

    window->findChild<QAction*>(QStringLiteral("mnuReconnect"))->trigger();
    ASSERT_TRUE(server.acceptClient());
    ASSERT_TRUE(waitUntil([this] { return window->core().connected(); }));
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("Connected to ") + server.shown());
    QTest::keyClick(window.get(), Qt::Key_Z);
    ASSERT_TRUE(server.waitForReceived(" 90, 0"));
    EXPECT_FALSE(server.received().contains(" 65, 0"));

    server.dropClient();
    ASSERT_TRUE(waitUntil([this] { return !window->core().connected(); }));
    window->close();  // after the server closed: no failure
    EXPECT_FALSE(window->isVisible());
}

TEST(MainWindowConnection, ARefusedConnectionIsShownAndTheWindowStays) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    QTemporaryDir dir;
    const ServerAddress address{QStringLiteral("127.0.0.1"), closedPort};
    MainWindow window(address, MainWindow::Options{dir.path()});
    window.show();
    ASSERT_TRUE(waitUntil(
        [&] { return window.statusLabel()->text() == QStringLiteral("Connection refused by ") + address.display(); }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.core().connected());
}
