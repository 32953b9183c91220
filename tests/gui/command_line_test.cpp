#include "app/command_line.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "gui/demo_server.h"

using namespace quorlak;
using Mode = LaunchOptions::Mode;

namespace {

LaunchOptions parse(QStringList args, bool ignoreUnknown = false) {
    args.prepend(QStringLiteral("quorlak"));
    return parseCommandLine(args, ignoreUnknown);
}

struct ClientRun {
    int status;
    QString out;
    QString err;
};

// The client binary beside this test binary.
ClientRun runClient(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    static const QTemporaryDir home;  // the player's own settings stay untouched
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/quorlak"), args);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, {}};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

}  // namespace

TEST(CommandLine, ChoosesTheModeChecksTheAddressAndTakesAStateFile) {
    EXPECT_EQ(parse({}).mode, Mode::Dialog);
    EXPECT_EQ(parse({"--demo"}).mode, Mode::Demo);
    EXPECT_EQ(parse({"--help"}).mode, Mode::Help);
    EXPECT_EQ(parse({"-h"}).exitStatus, 0);
    for (const QStringList& args :
         {QStringList{"--connect", "game.example:1212"}, QStringList{"--connect=game.example:1212"}}) {
        const LaunchOptions o = parse(args);
        ASSERT_EQ(o.mode, Mode::Connect) << o.message.toStdString();
        EXPECT_EQ(o.address.display(), QStringLiteral("game.example:1212"));
    }
    const LaunchOptions connect = parse({"--state-file", "/tmp/s.json", "--connect", "a:1"});
    EXPECT_EQ(connect.mode, Mode::Connect);
    EXPECT_EQ(connect.stateFile, QStringLiteral("/tmp/s.json"));
    const LaunchOptions demo = parse({"--demo", "--state-file=s.json"});
    EXPECT_EQ(demo.mode, Mode::Demo);
    EXPECT_EQ(demo.stateFile, QStringLiteral("s.json"));
    EXPECT_TRUE(parse({"--demo"}).stateFile.isEmpty());
}

TEST(CommandLine, UnusableArgumentsAreErrorsWithStatusTwo) {
    for (const char* line :
         {"--connect", "--connect nohost", "--connect host:65536", "--connect host:0", "--connect host:1212.5",
          "--connect :1212", "--connect a:1 --demo", "--demo --connect a:1", "--connect a:1 --connect b:2", "--bogus",
          "stray", "--demo --state-file", "--state-file="}) {
        const QStringList args = QString(line).split(' ');
        const LaunchOptions o = parse(args);
        EXPECT_EQ(o.mode, Mode::Error) << args.join(' ').toStdString();
        EXPECT_EQ(o.exitStatus, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(!o.message.isEmpty() && !o.message.contains(QLatin1Char('\n')));
    }
    // Before the toolkit has taken its own options out, strangers are let pass.
    EXPECT_EQ(parse({"-platform", "offscreen", "--connect", "a:1"}, true).mode, Mode::Connect);
}

TEST(CommandLine, TheClientExitsWithStatusTwoAndOneLineForABadAddress) {
    const ClientRun bad = runClient({"--connect", "localhost:99999"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err.count(QLatin1Char('\n')), 1) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains(QLatin1String("65535"))) << bad.err.toStdString();

    const ClientRun help = runClient({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("--connect HOST:PORT")));
    EXPECT_TRUE(help.out.contains(QLatin1String("--demo")));
    EXPECT_TRUE(help.out.contains(QLatin1String("--state-file FILE")));
}

TEST(CommandLine, ARecordingThatCannotBeReadOrWrittenStopsTheClientWithOneLine) {
    QTemporaryDir dir;
    const ClientRun play = runClient({"--play", dir.filePath(QStringLiteral("none.jsonl"))});
    EXPECT_EQ(play.status, 2);
    EXPECT_TRUE(play.err.contains(QLatin1String("quorlak: cannot read "))) << play.err.toStdString();
#ifdef QUORLAK_HAVE_SERVER
    const ClientRun demo =
        runClient({"--demo", "--trace-startup", "--record", dir.filePath(QStringLiteral("missing/s.jsonl"))});
    EXPECT_EQ(demo.status, 1);  // a recording the player asked for must run
    EXPECT_TRUE(demo.err.contains(QLatin1String("cannot write "))) << demo.err.toStdString();
    EXPECT_TRUE(demo.err.contains(QLatin1String("quorlak: startup window "))) << demo.err.toStdString();
#endif
}

#ifdef QUORLAK_HAVE_SERVER
TEST(DemoServer, ListensOnLoopbackForTheClient) {
    QObject owner;
    QString error;
    const auto address = startDemoServer(&owner, &error);
    ASSERT_TRUE(address) << error.toStdString();
    EXPECT_EQ(address->host, QStringLiteral("127.0.0.1"));
    QTcpSocket probe;
    probe.connectToHost(address->host, address->port);
    EXPECT_TRUE(probe.waitForConnected(5000));
}
#endif
