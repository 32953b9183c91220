#pragma once
// The player's side of the connection: the Connection menu, the banner over
// the display and the dimmed panels while the game is not live, reconnecting
// by itself after a loss, and the dialog that asks for a server (again, with
// the reason, when the first attempt fails). The rules are the keeper's; this
// class runs them on the window's socket and shows them.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>

#include "base/clock.h"
#include "core/connection_keeper.h"
#include "wire/server_address.h"

class QMenu;
class QMenuBar;

namespace quorlak {

class Connection;
class ConnectionBanner;
class DisplayWidget;
class Settings;
class StartDialog;

class ConnectionControl : public QObject {
    Q_OBJECT
public:
    struct Deps {
        QWidget* window;  // the dialogs' parent
        Connection* connection;
        DisplayWidget* display;
        QList<QWidget*> panels;  // dimmed while the game is not live
        const Clock& clock;
        // A new connection begins: what the old one left is dropped.
        std::function<void()> newStream;
        Settings& settings;  // keeps the recent servers
        bool rememberServers = true;
    };
    ConnectionControl(Deps deps, QObject* parent = nullptr);

    // Adds the Connection menu (no access keys: every key is the game's).
    QMenu* addMenu(QMenuBar* bar);
    // The first connection, when the window first shows.
    void start();
    // Connects again; asks first while connected.
    void reconnect();
    // Opens the dialog to choose a server.
    void connectTo();
    // Ends the connection on purpose; asks first while connected.
    void disconnect();

    const LinkModel& link() const { return keeper_.link(); }
    ConnectionBanner* banner() const { return banner_; }
    // The dialog asking for a server, while it is open.
    StartDialog* dialog() const;
    // The link as JSON members for the state file: "link":{...}.
    std::string json() const;

signals:
    // What json() says may have changed.
    void changed();

private:
    void attempt();
    void switchTo(const ServerAddress& address);
    void onFailed(const QString& reason);
    void askForServer(const QString& note);
    // Runs `then` at once, or after the player agreed to leave the game.
    void confirmLeaving(const QString& question, std::function<void()> then);
    void poll();
    void sync();

    Deps d_;
    ConnectionKeeper keeper_;
    ConnectionBanner* banner_;
    QPointer<StartDialog> dialog_;
    QTimer wake_;
};

}  // namespace quorlak
