#pragma once
// The real client and the stand-in server as separate processes on the X
// display, driven with xdotool and watched through the server's input log,
// the client's state file and screenshots. Every wait polls with a limit;
// every process started here is stopped when its owner goes, pass or fail.

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <optional>

namespace quorlak::e2e {

constexpr int kWaitMs = 8000;

// Polls `done` until it holds or `timeoutMs` has passed; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs = kWaitMs);
// Why these tests cannot run here (no display, a tool missing); empty when they can.
QString missingDesktop();
// Runs xdotool; its standard output, trimmed, or nothing on failure.
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
    bool waitForKeys(int n, const QStringList& items) const;

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

    // Keyboard, after giving the window the focus.
    bool keys(const QStringList& names);
    bool type(const QString& text);
    // A click in the top-level window's coordinates, or in the display area's own.
    bool clickWindow(QPoint at, int button);
    bool clickDisplay(QPoint at, int button) { return clickWindow(at + displayOrigin(), button); }
    // The display area as shown, 512 x 512, and a whole X window as shown (empty on failure).
    QImage displayShot();
    static QImage shot(const QString& windowId);
    QPoint displayOrigin() const;
    // Types a name at the first prompt and waits for the town.
    bool enterGame(const QString& name);

private:
    bool focus();

    QString runtimeDir_, stateFile_, windowId_;
    QProcess process_;
    QJsonObject last_;
};

// Pixels of `image` inside `area` for which `match` holds.
int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& match);
// Rows of a state grid ("griditems" or "gridmess").
QJsonArray gridRows(const QJsonObject& state, const char* grid);
inline QString text(const QJsonValue& row, const char* key) { return row[QLatin1String(key)].toString(); }

// One game per test: its own server, its own clients, its own private runtime
// directory (so the key broadcast reaches only this test's clients).
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const QString missing = missingDesktop();
        if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();
        server = std::make_unique<ServerProcess>(dir.path());
        QString error;
        ASSERT_TRUE(dir.isValid() && server->start(&error)) << error.toStdString();
    }
    // Clients go before their server, so they never see it vanish.
    void TearDown() override { clients.clear(); }

    // A new client window, connected; the first one at the screen's corner, the next beside it.
    ClientWindow* openClient() {
        ++opened;
        auto& client = clients.emplace_back(
            std::make_unique<ClientWindow>(dir.path(), dir.filePath(QString("state-%1.json").arg(opened))));
        QString error;
        if (client->start(server->port(), QPoint(opened % 2 == 1 ? 0 : 600, 0), &error)) return client.get();
        ADD_FAILURE() << error.toStdString();
        return nullptr;
    }

    QTemporaryDir dir;  // private to this user (0700), as the broadcast wants
    std::unique_ptr<ServerProcess> server;
    std::deque<std::unique_ptr<ClientWindow>> clients;
    int opened = 0;
};

}  // namespace quorlak::e2e
