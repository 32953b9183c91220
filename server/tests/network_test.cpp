// The server on real sockets, and the per-client limits.

#include <gtest/gtest.h>

#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "client_connection.h"
#include "game_server.h"
#include "game_session.h"
#include "realm.h"

using namespace quorlak::server;

namespace {

// Runs the event loop until the condition holds; the time limit only stops
// a broken test from hanging.
bool waitFor(const std::function<bool()>& condition, int limitMs = 20000) {
    return QTest::qWaitFor(condition, limitMs);
}

// A name typed and sent with Enter.
QByteArray nameKeys(const QString& name) {
    QByteArray items;
    for (QChar c : name) items += QStringLiteral(" %1, %2").arg(c.toUpper().unicode()).arg(c.isUpper()).toLatin1();
    return items + " 13, 0";
}

const QByteArray kRedraw(" 116, 0");  // F5 sends the whole screen again

struct Client {
    explicit Client(quint16 port) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    bool saw(const QByteArray& text) const { return received.contains(text); }

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

TEST(GameServer, ServesPlayersThroughGarbageAndRecordsAllSentToTheFirst) {
    QTemporaryDir dir;
    GameServer server(7);
    server.setRecordFile(dir.filePath("first.bin"));
    QString error;
    ASSERT_TRUE(server.listen(0, &error)) << error.toStdString();
    Client joe(server.port());
    ASSERT_TRUE(waitFor([&] { return joe.saw("\037cd01:"); }));
    joe.socket.write(QByteArray(200000, 'x') + QByteArray("\0\0\xff,,, 9999999, 9", 18) + nameKeys("Joe"));
    ASSERT_TRUE(waitFor([&] { return joe.saw("pt\"1 user online\""); }));

    Client ann(server.port());
    ann.socket.write(nameKeys("Ann"));
    ASSERT_TRUE(waitFor([&] { return joe.saw("pt\"2 users online\"") && ann.saw("pt\"2 users online\""); }));
    ann.socket.disconnectFromHost();
    EXPECT_TRUE(waitFor([&] { return server.connectionCount() == 1 && joe.saw("Ann has left"); }));
    EXPECT_EQ(joe.socket.state(), QAbstractSocket::ConnectedState);

    joe.socket.disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return server.connectionCount() == 0; }));
    QFile file(dir.filePath("first.bin"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), joe.received);
}

TEST(GameServer, DropsAClientThatStopsReadingAndKeepsServingTheOthers) {
    GameServer server;
    server.setOutputLimit(64 * 1024);
    ASSERT_TRUE(server.listen(0));
    Client stalled(server.port());
    stalled.socket.setReadBufferSize(1);  // stops taking data from the system
    Client joe(server.port());
    joe.socket.write(nameKeys("Joe"));
    ASSERT_TRUE(waitFor([&] { return joe.saw("pt\"Quorlak Town\""); }));

    stalled.socket.write(nameKeys("Sam") + kRedraw.repeated(4000));
    ASSERT_TRUE(waitFor([&] { return server.connectionCount() == 1; }, 60000));
    joe.received.clear();
    joe.socket.write(" 118, 0 49, 0");  // F7 1
    EXPECT_TRUE(waitFor([&] { return joe.saw(" 1.Short sword"); }));
}

TEST(ClientConnection, ReadsAFloodInSlicesAndDropsAClientPastItsOutputLimit) {
    Realm realm;
    auto* peer = new StalledPeer;
    ClientConnection connection(peer, realm, 1);
    connection.setOutputLimit(1 << 30);
    connection.start();
    peer->arrive(nameKeys("Joe"));
    const QByteArray flood = QByteArray(" 39, 0 37, 0").repeated(5000);
    peer->arrive(flood);
    // One event-loop turn handled one slice; the rest waits for later turns.
    EXPECT_GT(peer->incoming.size(), flood.size() - 2 * ClientConnection::kReadSlice);
    ASSERT_TRUE(waitFor([&] { return peer->incoming.isEmpty(); }));
    EXPECT_EQ(connection.session().character().moves, 10000);

    const qint64 limit = peer->written.size() + 40000;
    connection.setOutputLimit(limit);
    bool finished = false;
    QObject::connect(&connection, &ClientConnection::finished, [&] { finished = true; });
    for (int i = 0; i < 100 && !connection.isDropped(); ++i) peer->arrive(kRedraw);
    EXPECT_TRUE(connection.isDropped() && finished);
    EXPECT_LE(peer->written.size(), limit);
    EXPECT_GT(peer->written.size(), limit - 20000);
}
