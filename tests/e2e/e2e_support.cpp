#include "e2e_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

namespace quorlak::e2e {

namespace {

QString buildFile(const char* name) { return QStringLiteral(QUORLAK_BUILD_DIR "/") + QLatin1String(name); }

// Runs a short tool to its end; its standard output, or nothing when it failed or hung.
std::optional<QByteArray> runTool(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess tool;
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(program, args);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return std::nullopt;
    return tool.readAllStandardOutput();
}

// Stops a process politely, then firmly.
void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QThread::msleep(20);
    }
    return true;
}

QString missingDesktop() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return "DISPLAY is not set: no X display to play on";
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) return "xdotool is missing (apt-get install xdotool)";
    if (QStandardPaths::findExecutable("import").isEmpty())
        return "ImageMagick's import is missing (apt-get install imagemagick)";
    for (const char* program : {"quorlak", "quorlak-server"})
        if (!QFile::exists(buildFile(program))) return QString("%1 is not built").arg(program);
    return {};
}

std::optional<QString> xdotool(const QStringList& args, int timeoutMs) {
    const auto out = runTool("xdotool", args, timeoutMs);
    if (!out) return std::nullopt;
    return QString::fromLocal8Bit(*out).trimmed();
}

ServerProcess::ServerProcess(const QString& dir, int seed) : logPath_(dir + "/input.log"), seed_(seed) {
    process_.setStandardErrorFile(dir + "/server.err");
}

ServerProcess::~ServerProcess() { stop(process_); }

bool ServerProcess::start(QString* error) {
    // The server takes its port from the command line: try random ones until one is free.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const auto port = static_cast<quint16>(QRandomGenerator::global()->bounded(20000, 32768));
        process_.start(buildFile("quorlak-server"),
                       {"--port", QString::number(port), "--seed", QString::number(seed_), "--log-input", logPath_});
        if (!process_.waitForStarted(5000)) break;
        QElapsedTimer timer;
        timer.start();
        QByteArray out;
        while (!out.contains('\n') && process_.state() == QProcess::Running && timer.elapsed() < 5000) {
            process_.waitForReadyRead(100);
            out += process_.readAllStandardOutput();
        }
        if (out.startsWith("listening on 127.0.0.1:")) {
            port_ = port;
            return true;
        }
        stop(process_);
    }
    if (error) *error = "quorlak-server did not start listening";
    return false;
}

QStringList ServerProcess::keysFrom(int n) const {
    QFile file(logPath_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray prefix = QByteArray::number(n) + ' ';
    QStringList keys;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(prefix)) keys << QString::fromLatin1(line.mid(prefix.size()));
    return keys;
}

bool ServerProcess::waitForKeys(int n, const QStringList& items) const {
    return waitUntil([&] {
        const QStringList keys = keysFrom(n);
        for (qsizetype start = 0; start + items.size() <= keys.size(); ++start)
            if (keys.mid(start, items.size()) == items) return true;
        return false;
    });
}

ClientWindow::ClientWindow(const QString& runtimeDir, const QString& stateFile)
    : runtimeDir_(runtimeDir), stateFile_(stateFile) {
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(stateFile + ".err");
}

ClientWindow::~ClientWindow() { stop(process_); }

bool ClientWindow::start(quint16 port, QPoint at, QString* error) {
    auto fail = [error](const char* why) {
        if (error) *error = why;
        return false;
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_RUNTIME_DIR", runtimeDir_);
    // The player's remembered zoom and window size are not the test's.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtimeDir_);
    process_.setProcessEnvironment(env);
    process_.start(buildFile("quorlak"), {"--connect", QString("127.0.0.1:%1").arg(port), "--state-file", stateFile_});
    if (!process_.waitForStarted(5000)) return fail("quorlak did not start");
    const auto found = xdotool({"search", "--all", "--sync", "--onlyvisible", "--pid",
                                QString::number(process_.processId()), "--name", "^Duvur Quorlak$"});
    if (!found || found->isEmpty()) return fail("the client's window did not appear");
    windowId_ = found->section('\n', 0, 0);
    xdotool({"windowmove", "--sync", windowId_, QString::number(at.x()), QString::number(at.y())});
    if (!waitForState([](const QJsonObject& s) { return s["connected"].toBool(); }))
        return fail("the client did not connect");
    return true;
}

QJsonObject ClientWindow::state() const {
    QFile file(stateFile_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool ClientWindow::waitForState(const std::function<bool(const QJsonObject&)>& holds, int timeoutMs) {
    return waitUntil(
        [&] {
            last_ = state();
            return !last_.isEmpty() && holds(last_);
        },
        timeoutMs);
}

QStringList ClientWindow::visibleWindows() const {
    const auto found =
        xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(process_.processId()), "--name", ".*"});
    return found ? found->split('\n', Qt::SkipEmptyParts) : QStringList();
}

bool ClientWindow::focus() {
    // A window manager wants activation; a bare X server takes the focus as it is set.
    static bool activationWorks = true;
    if (activationWorks && xdotool({"windowactivate", "--sync", windowId_}, 3000)) return true;
    activationWorks = false;
    return xdotool({"windowfocus", "--sync", windowId_}).has_value();
}

bool ClientWindow::keys(const QStringList& names) {
    return focus() && xdotool(QStringList{"key", "--delay", "40"} + names);
}

bool ClientWindow::type(const QString& text) { return focus() && xdotool({"type", "--delay", "40", text}); }

bool ClientWindow::clickWindow(QPoint at, int button) {
    return xdotool({"mousemove", "--window", windowId_, "--sync", QString::number(at.x()), QString::number(at.y()),
                    "click", QString::number(button)})
        .has_value();
}

QImage ClientWindow::shot(const QString& windowId) {
    const auto png = runTool("import", {"-window", windowId, "png:-"}, kWaitMs);
    return png ? QImage::fromData(*png, "PNG") : QImage();
}

QPoint ClientWindow::displayOrigin() const {
    const QJsonObject window = state()["window"].toObject();
    return {window["displayx"].toInt(), window["displayy"].toInt()};
}

QImage ClientWindow::displayShot() {
    const QImage whole = shot(windowId_);
    const QRect area(displayOrigin(), QSize(512, 512));
    return whole.isNull() || !whole.rect().contains(area) ? QImage() : whole.copy(area);
}

bool ClientWindow::enterGame(const QString& name) {
    return type(name) && keys({"Return"}) &&
           waitForState([](const QJsonObject& s) { return s["caption"].toString() == "Quorlak Town"; });
}

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match) {
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) count += match(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QJsonArray gridRows(const QJsonObject& state, const char* grid) {
    return state[QLatin1String(grid)].toObject()["rows"].toArray();
}

}  // namespace quorlak::e2e
