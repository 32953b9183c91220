// The client's start: the command line, then the start-up dialog or a
// direct connection.

#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/startup_trace.h"
#include "gui/demo_server.h"
#include "gui/display_widget.h"
#include "gui/main_window.h"
#include "gui/server_history.h"
#include "gui/start_dialog.h"
#include "gui/stop_signals.h"

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
    // The settings (the recent servers) live under ~/.config/Quorlak/.
    QApplication::setOrganizationName(QStringLiteral("Quorlak"));
    // The toolkit has taken its own options out; whatever is left must be ours.
    const LaunchOptions options = parseCommandLine(QApplication::arguments());
    // Closing every window ends the program as the player's closing would.
    watchStopSignals(&app, [] {
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    MainWindow::Options windowOptions;
    windowOptions.stateFile = options.stateFile;
    windowOptions.rememberServer = options.mode != LaunchOptions::Mode::Demo;
    switch (options.mode) {
        case LaunchOptions::Mode::Help:
        case LaunchOptions::Mode::Error: return report(options);
        case LaunchOptions::Mode::Connect:
            trace.watchFirstFrame(openMainWindow(options.address, windowOptions)->display());
            trace.mark("window");
            break;
        case LaunchOptions::Mode::Demo: {
            QString error;
            const auto address = startDemoServer(&app, &error);
            if (!address) {
                std::fprintf(stderr, "quorlak: %s\n", error.toLocal8Bit().constData());
                return 1;
            }
            trace.mark("demo-server");
            trace.watchFirstFrame(openMainWindow(*address, windowOptions)->display());
            trace.mark("window");
            break;
        }
        case LaunchOptions::Mode::Dialog: {
            auto* dialog = new StartDialog(ServerHistory().servers());
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
