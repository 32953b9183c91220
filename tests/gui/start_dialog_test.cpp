#include "gui/start_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "gui/main_window.h"
#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::FakeGameServer;
using quorlak::test::waitUntil;

namespace {

QMessageBox* refusal(StartDialog& dialog) { return dialog.findChild<QMessageBox*>(QStringLiteral("portRefused")); }

}  // namespace

TEST(StartDialog, OffersTheDefaultsAndTabsFromTheButtonToTheAddressAndThePort) {
    StartDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quorlak client"));
    EXPECT_EQ(dialog.hostEdit()->text(), QStringLiteral("localhost"));
    EXPECT_EQ(dialog.portEdit()->text(), QStringLiteral("1212"));
    EXPECT_EQ(dialog.connectButton()->nextInFocusChain(), dialog.hostEdit());
    QWidget* afterHost = dialog.hostEdit()->nextInFocusChain();
    while (!(afterHost->focusPolicy() & Qt::TabFocus)) afterHost = afterHost->nextInFocusChain();
    EXPECT_EQ(afterHost, dialog.portEdit());
}

TEST(StartDialog, RefusesUnusablePortsAndStaysOpen) {
    for (const char* port : {"", "abc", "1212.5", "-1", "0", "65536"}) {
        StartDialog dialog;
        QSignalSpy requested(&dialog, &StartDialog::connectRequested);
        dialog.show();
        dialog.portEdit()->setText(QString::fromLatin1(port));
        dialog.connectButton()->click();
        QMessageBox* box = refusal(dialog);
        ASSERT_NE(box, nullptr) << port;
        EXPECT_TRUE(box->isVisible() && !box->text().isEmpty() && dialog.isVisible()) << port;
        EXPECT_EQ(requested.count(), 0) << port;
        box->accept();
        EXPECT_TRUE(waitUntil([&] { return refusal(dialog) == nullptr; })) << port;
        EXPECT_TRUE(dialog.isVisible()) << port;
    }
}

TEST(StartDialog, AGoodPortOpensTheMainWindowAndClosesTheDialog) {
    FakeGameServer server;
    QTemporaryDir dir;
    StartDialog dialog;
    MainWindow* opened = nullptr;
    QObject::connect(&dialog, &StartDialog::connectRequested, [&](const ServerAddress& address) {
        opened = openMainWindow(address, MainWindow::Options{dir.path()});
    });
    dialog.show();
    dialog.hostEdit()->setText(QStringLiteral("127.0.0.1"));
    dialog.portEdit()->setText(QStringLiteral("  %1  ").arg(server.address().port));
    dialog.connectButton()->click();

    EXPECT_EQ(refusal(dialog), nullptr);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_TRUE(server.acceptClient());
    QPointer<MainWindow> guard(opened);
    opened->close();  // deletes itself
    EXPECT_TRUE(waitUntil([&] { return guard.isNull(); }));
}
