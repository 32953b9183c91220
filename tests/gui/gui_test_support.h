#pragma once
// Waiting on the event loop, and a stand-in game server on a loopback port
// that records what the client sends.

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "gui/main_window.h"
#include "wire/server_address.h"

namespace quorlak::test {

// Runs the event loop until `done` holds or the time is up; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

class FakeGameServer {
public:
    FakeGameServer() { server_.listen(QHostAddress::LocalHost); }

    ServerAddress address() const { return {QStringLiteral("127.0.0.1"), server_.serverPort()}; }
    QString shown() const { return address().display(); }

    // Waits for the client's next connection and takes it.
    bool acceptClient() {
        if (!waitUntil([this] { return server_.hasPendingConnections(); })) return false;
        peer_ = server_.nextPendingConnection();
        QObject::connect(peer_, &QTcpSocket::readyRead, [this] { received_ += peer_->readAll(); });
        return true;
    }
    void send(const QByteArray& bytes) {
        peer_->write(bytes);
        peer_->flush();
    }
    void dropClient() { peer_->disconnectFromHost(); }
    QByteArray received() const { return received_; }
    bool waitForReceived(const QByteArray& bytes) {
        return waitUntil([&] { return received_.contains(bytes); });
    }
    void clearReceived() { received_.clear(); }

private:
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    QByteArray received_;
};

// A main window connected to a fake server, with its own broadcast directory.
class WindowOnFakeServer : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(server.address(), MainWindow::Options{dir.path()});
        window->show();
        ASSERT_TRUE(server.acceptClient());
        ASSERT_TRUE(waitUntil([this] { return window->core().connected(); }));
    }

    FakeGameServer server;
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

}  // namespace quorlak::test
