#pragma once
// The real client and the stand-in server as separate processes on the X
// display, driven with xdotool and watched through the server's input log,
// the client's state file and screenshots. Every wait polls with a limit;
// every process started here is stopped when its owner goes, pass or fail.

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace quorlak::e2e {

constexpr int kWaitMs = 8000;

// Polls `done` until it holds or `timeoutMs` has passed; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs = kWaitMs);

// Why these tests cannot run here (no display, a tool missing); empty when they can.
QString missingDesktop();

// Runs xdotool with `args`; its standard output, trimmed, or nothing on failure.
std::optional<QString> xdotool(const QStringList& args, int timeoutMs = kWaitMs);

// The stand-in server with its input log, on a port the client accepts.
class ServerProcess {
public:
    explicit ServerProcess(const QString& dir, int seed = 5);
    ~ServerProcess();

    bool start(QString* error);
    quint16 port() const { return port_; }

    // The key items connection `n` (from 1) sent, in order, as "CODE,MASK".
    QStringList keysFrom(int n) const;
    // Waits until connection n's keys contain `items` one after another.
    bool waitForKeys(int n, const QStringList& items, int timeoutMs = kWaitMs) const;

private:
    QString logPath_;
    int seed_;
    quint16 port_ = 0;
    QProcess process_;
};

// One client window, connected to the server, writing its state file.
class ClientWindow {
public:
    // `runtimeDir` holds the key broadcast's endpoints; clients sharing it reach each other.
    ClientWindow(const QString& runtimeDir, const QString& stateFile);
    ~ClientWindow();

    // Starts the client and waits for its window, placed with its top-left corner at `at`.
    bool start(quint16 port, QPoint at, QString* error);

    QJsonObject state() const;
    // Waits until the state file shows what `holds` wants; the last state read is kept.
    bool waitForState(const std::function<bool(const QJsonObject&)>& holds, int timeoutMs = kWaitMs);
    const QJsonObject& lastState() const { return last_; }

    QString windowId() const { return windowId_; }
    // The client's windows now mapped: its main window, and any menu or log window open.
    QStringList visibleWindows() const;

    // Keyboard: the window is given the focus first.
    bool keys(const QStringList& names);
    bool type(const QString& text);
    // Mouse, in display units (the drawn 512 x 512 area's own coordinates).
    bool clickDisplay(QPoint at, int button);
    // Mouse, in the top-level window's coordinates.
    bool clickWindow(QPoint at, int button);
    // The window's size in pixels.
    bool resize(int width, int height);

    // The display area as shown, 512 x 512 (empty on failure).
    QImage displayShot();
    // A whole X window as shown (empty on failure).
    static QImage shot(const QString& windowId);

    // Types a name at the first prompt and waits for the town.
    bool enterGame(const QString& name);

private:
    bool focus();

    QString runtimeDir_;
    QString stateFile_;
    QString windowId_;
    QProcess process_;
    QJsonObject last_;
};

// Pixels of `image` inside `area` for which `match` holds.
int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match);

// Rows of a state grid ("griditems" or "gridmess").
QJsonArray gridRows(const QJsonObject& state, const char* grid);

}  // namespace quorlak::e2e
