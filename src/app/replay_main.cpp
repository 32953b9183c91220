// quorlak-replay: the client without its window, run on recorded server data.

#include <QGuiApplication>
#include <iostream>
#include <variant>

#include "replay/replay_options.h"
#include "replay/replay_run.h"

namespace {

// Standard error carries only the driver's own one-line reports; the
// platform's notices (no runtime directory and the like) are dropped.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    // Runs must not depend on a display, nor differ with one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const auto parsed = quorlak::parseReplayArgs(args);
    if (const auto* why = std::get_if<std::string>(&parsed)) {
        std::cerr << "quorlak-replay: " << *why << " (see --help)\n";
        return quorlak::kReplayUnusable;
    }
    const auto& options = std::get<quorlak::ReplayOptions>(parsed);
    if (options.help) {
        std::cout << quorlak::replayUsage();
        return quorlak::kReplayOk;
    }
    return quorlak::runReplay(options, std::cerr);
}
