// The quorlak-server program: its command line and clean stop.

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

TEST(ServerProgram, PrintsItsFreePortServesAndStopsOnSigterm) {
    QProcess server;
    server.start(QStringLiteral(QUORLAK_SERVER_PATH), {"--port", "0", "--seed", "9"});
    ASSERT_TRUE(server.waitForStarted(10000));
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const QString line = QString::fromLatin1(server.readLine()).trimmed();
    ASSERT_TRUE(line.startsWith("listening on 127.0.0.1:")) << line.toStdString();
    const quint16 port = line.section(':', -1).toUShort();
    ASSERT_NE(port, 0);

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(client.waitForConnected(10000));
    ASSERT_TRUE(client.waitForReadyRead(10000));
    EXPECT_TRUE(
        client.readAll().startsWith("cs\x1f"
                                    "cd"));

    ::kill(pid_t(server.processId()), SIGTERM);
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
}

TEST(ServerProgram, RefusesABadPort) {
    QProcess server;
    server.start(QStringLiteral(QUORLAK_SERVER_PATH), {"--port", "70000"});
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_NE(server.exitCode(), 0);
    EXPECT_TRUE(server.readAllStandardError().contains("--port"));
}

namespace {

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool waitForLines(const QString& path, int count) {
    QElapsedTimer timer;
    timer.start();
    while (readLines(path).size() < count) {
        if (timer.elapsed() > 10000) return false;
        QThread::msleep(10);
    }
    return true;
}

}  // namespace

TEST(ServerProgram, LogsEveryKeyItemWithItsConnectionNumber) {
    QTemporaryDir dir;
    const QString log = dir.filePath("input.log");
    QProcess server;
    server.start(QStringLiteral(QUORLAK_SERVER_PATH), {"--port", "0", "--log-input", log});
    ASSERT_TRUE(server.waitForStarted(10000));
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const quint16 port = QString::fromLatin1(server.readLine()).trimmed().section(':', -1).toUShort();
    ASSERT_NE(port, 0);

    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(first.waitForConnected(10000));
    // An item cut in two by the network is still one line.
    first.write(" 65, 1 1");
    ASSERT_TRUE(first.waitForBytesWritten(10000));
    ASSERT_TRUE(waitForLines(log, 1));
    first.write("3, 0");
    ASSERT_TRUE(first.waitForBytesWritten(10000));
    ASSERT_TRUE(waitForLines(log, 2));

    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(second.waitForConnected(10000));
    second.write(QByteArray("\0\0 118, 0", 9));
    ASSERT_TRUE(second.waitForBytesWritten(10000));
    ASSERT_TRUE(waitForLines(log, 4));

    EXPECT_EQ(readLines(log), QStringList({"1 65,1", "1 13,0", "2 keepalive", "2 118,0"}));
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(10000));
}

TEST(ServerProgram, RefusesAnInputLogItCannotWrite) {
    QProcess server;
    server.start(QStringLiteral(QUORLAK_SERVER_PATH), {"--port", "0", "--log-input", "/nonexistent/dir/input.log"});
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_NE(server.exitCode(), 0);
    EXPECT_TRUE(server.readAllStandardError().contains("input.log"));
}
