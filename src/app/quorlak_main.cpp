// The client's start: the command line, then the start-up dialog or a
// direct connection.

#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/startup_trace.h"
#include "gui/app_icon.h"
#include "gui/demo_server.h"
#include "gui/display_widget.h"
#include "gui/main_window.h"
#include "gui/recording_file.h"
#include "gui/settings.h"
#include "gui/start_dialog.h"
#include "gui/stop_signals.h"
#include "replay/script.h"

using namespace quorlak;

namespace {

int report(const LaunchOptions& options) {
    const QByteArray text = options.message.toLocal8Bit();
    if (options.mode == LaunchOptions::Mode::Help) {
        std::fputs(text.constData(), stdout);
    } else {
        std::fprintf(stderr, "quorlak: %s\n", text.constData());
    }
    return options.exitStatus;
}

QStringList rawArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    StartupTrace trace;
    // Help and bad values are answered before any window system is needed.
    const LaunchOptions early = parseCommandLine(rawArguments(argc, argv), /*ignoreUnknown=*/true);
    if (early.mode == LaunchOptions::Mode::Help || early.mode == LaunchOptions::Mode::Error) return report(early);
    trace.setEnabled(early.traceStartup);

    QApplication app(argc, argv);
    trace.mark("toolkit");
    QApplication::setApplicationName(QStringLiteral("quorlak"));
    QApplication::setOrganizationName(QStringLiteral("Quorlak"));
    QApplication::setWindowIcon(appIcon());
    // Desktops match the windows to the installed entry (and its icon) by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORLAK_APP_ID));
    // The toolkit has taken its own options out; whatever is left must be ours.
    const LaunchOptions options = parseCommandLine(QApplication::arguments());
    // Closing every window ends the program as the player's closing would.
    watchStopSignals(&app, [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    const auto settings = Settings::forUser();
    MainWindow::Options windowOptions;
    windowOptions.stateFile = options.stateFile;
    windowOptions.settings = settings.get();
    windowOptions.zoom = options.zoom;
    if (options.zoom) settings->setZoom(*options.zoom);
    windowOptions.recordFile = options.recordFile;
    // The recording must start, or the player would think it runs.
    auto recordingStarted = [&options](const MainWindow* window) {
        if (options.recordFile.isEmpty() || window->recording()) return true;
        std::fprintf(stderr, "quorlak: %s\n", window->lastProblem().toLocal8Bit().constData());
        return false;
    };
    // A demo's server has a new port every run: not worth remembering.
    windowOptions.rememberServer = options.mode != LaunchOptions::Mode::Demo;
    switch (options.mode) {
        case LaunchOptions::Mode::Help:
        case LaunchOptions::Mode::Error: return report(options);
        case LaunchOptions::Mode::Connect: {
            MainWindow* window = openMainWindow(options.address, windowOptions);
            trace.watchFirstFrame(window->display());
            trace.mark("window");
            if (!recordingStarted(window)) return 1;
            break;
        }
        case LaunchOptions::Mode::Play: {
            std::vector<ScriptEvent> events;
            std::string error;
            if (!loadScript(options.playFile, events, error)) {
                std::fprintf(stderr, "quorlak: %s\n", error.c_str());
                return 2;
            }
            windowOptions.playback = std::move(events);
            windowOptions.playbackSpeed = options.speed;
            openMainWindow(ServerAddress{}, windowOptions);
            break;
        }
        case LaunchOptions::Mode::Demo: {
            QString error;
            const auto address = startDemoServer(&app, &error);
            if (!address) {
                std::fprintf(stderr, "quorlak: %s\n", error.toLocal8Bit().constData());
                return 1;
            }
            trace.mark("demo-server");
            MainWindow* window = openMainWindow(*address, windowOptions);
            trace.watchFirstFrame(window->display());
            trace.mark("window");
            if (!recordingStarted(window)) return 1;
            break;
        }
        case LaunchOptions::Mode::Dialog: {
            auto* dialog = new StartDialog(settings->recentServers());
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(dialog, &StartDialog::connectRequested,
                             [windowOptions](const ServerAddress& address) { openMainWindow(address, windowOptions); });
            dialog->show();
            break;
        }
    }
    const int status = app.exec();
    // Windows closed on the way out were only scheduled for deletion; their
    // clean-up (the connection, the broadcast endpoint) must still run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
