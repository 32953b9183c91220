// The quorlak-server program: its command line, input log and clean stop.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// Starts the program on a free port; the port it printed, or 0.
quint16 startServer(QProcess& server, QStringList arguments) {
    server.start(QStringLiteral(QUORLAK_SERVER_PATH), QStringList{"--port", "0"} + arguments);
    if (!server.waitForStarted(10000) || !server.waitForReadyRead(10000)) return 0;
    const QString line = QString::fromLatin1(server.readLine()).trimmed();
    return line.startsWith("listening on 127.0.0.1:") ? line.section(':', -1).toUShort() : 0;
}

QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Writes the bytes, then waits until the log holds `lines` lines.
bool sendAndLog(QTcpSocket& socket, const QByteArray& bytes, const QString& log, int lines) {
    socket.write(bytes);
    return socket.waitForBytesWritten(10000) && QTest::qWaitFor([&] { return linesOf(log).size() >= lines; }, 10000);
}

}  // namespace

TEST(ServerProgram, RefusesABadPortOrAnInputLogItCannotWrite) {
    const QList<QPair<QStringList, QByteArray>> cases = {
        {{"--port", "70000"}, "--port"}, {{"--port", "0", "--log-input", "/nonexistent/dir/input.log"}, "input.log"}};
    for (const auto& [arguments, complaint] : cases) {
        QProcess server;
        server.start(QStringLiteral(QUORLAK_SERVER_PATH), arguments);
        ASSERT_TRUE(server.waitForFinished(10000));
        EXPECT_NE(server.exitCode(), 0);
        EXPECT_TRUE(server.readAllStandardError().contains(complaint)) << complaint.toStdString();
    }
}

TEST(ServerProgram, ServesLogsEachKeyItemByConnectionAndStopsOnSigterm) {
    QTemporaryDir dir;
    const QString log = dir.filePath("input.log");
    QProcess server;
    const quint16 port = startServer(server, {"--log-input", log});
    ASSERT_NE(port, 0);
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(first.waitForConnected(10000) && first.waitForReadyRead(10000));
    EXPECT_TRUE(first.readAll().startsWith("cs\037cd"));
    // An item cut in two by the network is still one line.
    ASSERT_TRUE(sendAndLog(first, " 65, 1 1", log, 1));
    ASSERT_TRUE(sendAndLog(first, "3, 0", log, 2));
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(second.waitForConnected(10000));
    ASSERT_TRUE(sendAndLog(second, QByteArray("\0\0 118, 0", 9), log, 4));
    EXPECT_EQ(linesOf(log), QStringList({"1 65,1", "1 13,0", "2 keepalive", "2 118,0"}));
    ::kill(pid_t(server.processId()), SIGTERM);
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
}
