// The server on real sockets, and the per-client limits.

#include "client_connection.h"
#include "game_server.h"
#include "game_session.h"
#include "realm.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

using namespace quorlak::server;

namespace {

// Runs the event loop until the condition holds; the time limit only stops
// a broken test from hanging.
bool waitFor(const std::function<bool()>& condition, int limitMs = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs) return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QByteArray keys(const QString& text) {
    QByteArray items;
    for (QChar c : text) {
        const bool upper = c >= 'A' && c <= 'Z';
        items += QStringLiteral(" %1, %2").arg(c.toUpper().unicode()).arg(upper ? 1 : 0).toLatin1();
    }
    return items;
}

const QByteArray enterKey(" 13, 0");

struct Client {
    explicit Client(quint16 port) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    void send(const QByteArray& bytes) { socket.write(bytes); }
    bool sawText(const QByteArray& text) const { return received.contains(text); }

    QTcpSocket socket;
    QByteArray received;
};

// A device whose peer reads nothing: everything written stays pending.
class StalledPeer : public QIODevice {
public:
    StalledPeer() { open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
    void arrive(const QByteArray& bytes) {
        incoming += bytes;
        emit readyRead();
    }
    qint64 bytesAvailable() const override { return incoming.size() + QIODevice::bytesAvailable(); }
    qint64 bytesToWrite() const override { return written.size(); }

    QByteArray incoming;
    QByteArray written;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = qMin<qint64>(maxSize, incoming.size());
        memcpy(data, incoming.constData(), size_t(n));
        incoming.remove(0, n);
        return n;
    }
    qint64 writeData(const char* data, qint64 size) override {
        written.append(data, size);
        return size;
    }
};

}  // namespace

TEST(GameServer, ListensOnAFreePortAndServesSeveralPlayers) {
    GameServer server(7);
    QString error;
    ASSERT_TRUE(server.listen(0, &error)) << error.toStdString();
    ASSERT_NE(server.port(), 0);

    Client joe(server.port());
    ASSERT_TRUE(waitFor([&] {
        return joe.sawText(
            "\x1f"
            "cd01:");
    }));
    joe.send(keys("Joe") + enterKey);
    ASSERT_TRUE(waitFor([&] { return joe.sawText("pt\"1 user online\""); }));

    Client ann(server.port());
    ann.send(keys("Ann") + enterKey);
    ASSERT_TRUE(waitFor([&] { return joe.sawText("pt\"2 users online\""); }));
    EXPECT_TRUE(waitFor([&] { return ann.sawText("pt\"2 users online\""); }));
    EXPECT_EQ(server.connectionCount(), 2);

    ann.socket.disconnectFromHost();
    EXPECT_TRUE(waitFor([&] { return server.connectionCount() == 1 && joe.sawText("Ann has left"); }));
}

TEST(GameServer, GarbageAndKeepAlivesDoNotDisconnect) {
    GameServer server;
    ASSERT_TRUE(server.listen(0));
    Client joe(server.port());
    QByteArray noise(200000, 'x');
    noise += QByteArray("\0\0\xff,,, 9999999, 9", 18);
    joe.send(noise + keys("Joe") + enterKey);
    EXPECT_TRUE(waitFor([&] { return joe.sawText("pt\"Quorlak Town\""); }));
    EXPECT_EQ(joe.socket.state(), QAbstractSocket::ConnectedState);
}

TEST(GameServer, DropsAClientThatStopsReadingAndKeepsServingTheOthers) {
    GameServer server;
    server.setOutputLimit(64 * 1024);
    ASSERT_TRUE(server.listen(0));

    Client stalled(server.port());
    stalled.socket.setReadBufferSize(1);  // stops taking data from the system
    Client joe(server.port());
    joe.send(keys("Joe") + enterKey);
    ASSERT_TRUE(waitFor([&] { return joe.sawText("pt\"Quorlak Town\""); }));

    // Every F5 redraws the whole screen; the stalled client never reads it.
    QByteArray flood = keys("Sam") + enterKey;
    for (int i = 0; i < 4000; ++i) flood += " 116, 0";
    stalled.send(flood);
    ASSERT_TRUE(waitFor([&] { return server.connectionCount() == 1; }, 60000));

    joe.received.clear();
    joe.send(" 118, 0 49, 0");  // F7 1
    EXPECT_TRUE(waitFor([&] { return joe.sawText(" 1.Short sword"); }));
}

TEST(GameServer, RecordsEveryByteSentToTheFirstPlayer) {
    QTemporaryDir dir;
    const QString path = dir.filePath("first.bin");
    GameServer server(3);
    server.setRecordFile(path);
    ASSERT_TRUE(server.listen(0));
    {
        Client joe(server.port());
        Client ann(server.port());
        joe.send(keys("Joe") + enterKey + " 39, 0 40, 0");
        ann.send(keys("Ann") + enterKey);
        ASSERT_TRUE(waitFor([&] { return joe.sawText("2 users online") && joe.sawText("At 10,7"); }));
        joe.socket.disconnectFromHost();
        ASSERT_TRUE(waitFor([&] { return server.connectionCount() == 1; }));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), joe.received);
    }
}

TEST(ClientConnection, OutputNeverPassesTheLimitAndTheClientIsDropped) {
    Realm realm;
    auto* peer = new StalledPeer;
    ClientConnection connection(peer, realm, 1);
    const qint64 limit = 40000;
    connection.setOutputLimit(limit);
    bool finished = false;
    QObject::connect(&connection, &ClientConnection::finished, [&] { finished = true; });
    connection.start();
    peer->arrive(keys("Joe") + enterKey);
    EXPECT_FALSE(connection.isDropped());
    for (int i = 0; i < 100 && !connection.isDropped(); ++i) peer->arrive(" 116, 0");  // F5: redraw all
    EXPECT_TRUE(connection.isDropped());
    EXPECT_TRUE(finished);
    EXPECT_LE(peer->written.size(), limit);
    EXPECT_GT(peer->written.size(), limit / 2);
}

TEST(ClientConnection, ReadsAFloodInSlicesSoOthersGetTheirTurn) {
    Realm realm;
    auto* peer = new StalledPeer;
    ClientConnection connection(peer, realm, 1);
    connection.setOutputLimit(1 << 30);
    connection.start();
    peer->arrive(keys("Joe") + enterKey);
    QByteArray flood;
    for (int i = 0; i < 5000; ++i) flood += " 39, 0 37, 0";
    peer->arrive(flood);
    // One event-loop turn handled one slice; the rest waits for later turns.
    EXPECT_GT(peer->incoming.size(), flood.size() - 2 * ClientConnection::kReadSlice);
    ASSERT_TRUE(waitFor([&] { return peer->incoming.isEmpty(); }));
    EXPECT_EQ(connection.session().character().moves, 10000);
}
