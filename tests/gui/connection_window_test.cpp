// The connection as a player meets it in the window: a server that refuses,
// and one that goes away and comes back.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include "gui/connection_banner.h"
#include "gui/connection_control.h"
#include "gui/display_widget.h"
#include "gui/item_grid_view.h"
#include "gui/main_window.h"
#include "gui/settings.h"
#include "gui/start_dialog.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::FakeGameServer;
using quorlak::test::waitUntil;

namespace {

void answer(QWidget& window, QMessageBox::StandardButton button) {
    for (auto* box : window.findChildren<QMessageBox*>(QStringLiteral("confirmLeaving")))
        if (box->isVisible()) return box->button(button)->click();
    ADD_FAILURE() << "nothing was asked";
}

}  // namespace

TEST(ConnectionWindow, ARefusedServerBringsTheDialogBackAndAGoodOneIsRemembered) {
    QTemporaryDir dir;
    FakeGameServer server;
    const ServerAddress refused{QStringLiteral("127.0.0.1"), static_cast<uint16_t>(server.address().port + 1)};
    MainWindow::Options options{dir.path()};
    Settings settings(dir.filePath(QStringLiteral("settings.ini")));
    options.settings = &settings;
    options.rememberServer = true;
    MainWindow window(refused, options);
    window.show();
    StartDialog* dialog = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (dialog = window.connectionControl()->dialog()) && dialog->isVisible(); }));
    EXPECT_EQ(dialog->portEdit()->text(), QString::number(refused.port));
    EXPECT_TRUE(dialog->noteLabel()->text().contains(QLatin1String("refused")));
    dialog->portEdit()->setText(QString::number(server.address().port));
    dialog->connectButton()->click();
    ASSERT_TRUE(server.acceptClient());
    ASSERT_TRUE(waitUntil([&] { return window.core().connected(); }));
    EXPECT_EQ(Settings(settings.fileName()).recentServers(), QStringList{server.shown()});
}

using LostConnection = quorlak::test::WindowOnFakeServer;

TEST_F(LostConnection, IsShownTriedAgainAndLeftAloneOnlyWhenThePlayerSaysSo) {
    MainWindow& window = *this->window;
    ConnectionBanner* banner = window.connectionControl()->banner();
    server.dropClient();
    ASSERT_TRUE(waitUntil([&] { return banner->isVisible(); }));
    EXPECT_TRUE(banner->text()->text().contains(QLatin1String("Reconnecting in 1 s")))
        << banner->text()->text().toStdString();
    EXPECT_TRUE(window.display()->dimmed() && window.itemGrid()->graphicsEffect());
    QTest::keyClick(window.focusSink(), Qt::Key_T, Qt::AltModifier);
    EXPECT_FALSE(window.core().modes().textBox);  // the game's key, not the menu's
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Not connected: keys were not sent."));

    ASSERT_TRUE(server.acceptClient());  // the client's own next attempt
    ASSERT_TRUE(waitUntil([&] { return window.core().connected() && !banner->isVisible(); }));
    EXPECT_FALSE(window.display()->dimmed() || window.itemGrid()->graphicsEffect());
    QTest::keyClick(window.focusSink(), Qt::Key_Z);
    ASSERT_TRUE(server.waitForReceived(" 90, 0"));
    EXPECT_FALSE(server.received().contains(" 84, 4"));  // what was typed while away stays unsent

    window.reconnect();  // while connected it asks; no keeps the game
    answer(window, QMessageBox::No);
    EXPECT_TRUE(window.core().connected());
    window.findChild<QAction*>(QStringLiteral("mnuDisconnect"))->trigger();
    answer(window, QMessageBox::Yes);
    ASSERT_TRUE(waitUntil([&] { return !window.core().connected(); }));
    QTest::qWait(1500);
    EXPECT_EQ(window.connectionControl()->link().state, LinkModel::State::NotConnected);
    EXPECT_TRUE(banner->text()->text().startsWith(QLatin1String("Disconnected")));

    banner->findChild<QPushButton*>(QStringLiteral("bannerReconnect"))->click();
    ASSERT_TRUE(server.acceptClient());
    ASSERT_TRUE(waitUntil([&] { return window.core().connected(); }));
    server.dropClient();
    ASSERT_TRUE(waitUntil([&] { return banner->isVisible(); }));
    banner->findChild<QPushButton*>(QStringLiteral("bannerStop"))->click();
    QTest::qWait(1500);  // past the first retry's wait
    EXPECT_EQ(window.connectionControl()->link().state, LinkModel::State::NotConnected);
}
