// The quorlak-server program: its command line and clean stop.

#include <QProcess>
#include <QTcpSocket>
#include <csignal>
#include <gtest/gtest.h>

TEST(ServerProgram, PrintsItsFreePortServesAndStopsOnSigterm)
{
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
    EXPECT_TRUE(client.readAll().startsWith("cs\x1f" "cd"));

    ::kill(pid_t(server.processId()), SIGTERM);
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
}

TEST(ServerProgram, RefusesABadPort)
{
    QProcess server;
    server.start(QStringLiteral(QUORLAK_SERVER_PATH), {"--port", "70000"});
    ASSERT_TRUE(server.waitForFinished(10000));
    EXPECT_NE(server.exitCode(), 0);
    EXPECT_TRUE(server.readAllStandardError().contains("--port"));
}
