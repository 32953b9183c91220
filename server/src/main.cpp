// quorlak-server: the stand-in game server as a program of its own.

#include <sys/socket.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <iostream>

#include "game_server.h"

namespace {

constexpr quint16 kDefaultPort = 1212;
constexpr quint32 kDefaultSeed = 1;

int signalPipe[2] = {-1, -1};

void onStopSignal(int) {
    // Only async-signal-safe work here; the event loop reads the pipe.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

bool watchStopSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGINT, &action, nullptr) != 0 || ::sigaction(SIGTERM, &action, nullptr) != 0) return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
        app.quit();
    });
    return true;
}

int fail(const QString& message) {
    std::cerr << "quorlak-server: " << message.toStdString() << std::endl;
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorlak-server"));
    std::signal(SIGPIPE, SIG_IGN);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Stand-in game server for the Duvur Quorlak client."));
    options.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port on 127.0.0.1 (0 picks a free one)."), QStringLiteral("N"),
                                        QString::number(kDefaultPort));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the game's dice."),
                                        QStringLiteral("S"), QString::number(kDefaultSeed));
    const QCommandLineOption recordOption(QStringLiteral("record"),
                                          QStringLiteral("Write every byte sent to the first player to FILE."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption inputLogOption(
        QStringLiteral("log-input"),
        QStringLiteral("Append every key item received to FILE, one a line: connection number, then CODE,MASK "
                       "or keepalive."),
        QStringLiteral("FILE"));
    options.addOptions({portOption, seedOption, recordOption, inputLogOption});
    options.process(app);

    bool ok = false;
    const uint port = options.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) return fail(QStringLiteral("--port needs a number from 0 to 65535"));
    const quint32 seed = options.value(seedOption).toUInt(&ok);
    if (!ok) return fail(QStringLiteral("--seed needs a whole number from 0 to 4294967295"));

    quorlak::server::GameServer server(seed);
    if (options.isSet(recordOption)) {
        const QString path = options.value(recordOption);
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(QStringLiteral("cannot write %1: %2").arg(path, probe.errorString()));
        server.setRecordFile(path);
    }
    QString error;
    if (options.isSet(inputLogOption) && !server.setInputLogFile(options.value(inputLogOption), &error))
        return fail(QStringLiteral("cannot write %1: %2").arg(options.value(inputLogOption), error));
    if (!server.listen(quint16(port), &error)) {
        std::cerr << "quorlak-server: cannot listen on 127.0.0.1:" << port << ": " << error.toStdString() << std::endl;
        return 1;
    }
    if (!watchStopSignals(app)) return fail(QStringLiteral("cannot watch for stop signals"));

    std::printf("listening on 127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    const int status = app.exec();
    std::cerr << "quorlak-server: stopped" << std::endl;
    return status;
}
