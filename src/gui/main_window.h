#pragma once
// The main window: the display with the side panels over it, the menu bar,
// a connection status line under the display, and the one connection. Every
// rule lives in the core; the window feeds it events and shows its models.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/client_core.h"
#include "gui/monotonic_clock.h"
#include "gui/warning_sound.h"
#include "gui/window_host.h"
#include "input/key_translator.h"
#include "wire/server_address.h"

class QAction;
class QLabel;
class QMenu;

namespace quorlak {

class Connection;
class ConnectionControl;
class DisplayWidget;
class EntryBox;
class ItemGridView;
class KeyBroadcast;
class LogWindow;
class MessageGridView;
class StreamPump;
class StateFile;
class TabStrip;

struct MainWindowOptions {
    QString broadcastDirectory{};  // empty: the desktop user's
    QString stateFile{};           // a testing aid: keep the state in this file (empty: none)
    QString settingsFile{};        // where the recent servers are kept (empty: the user's settings)
    // Add the server to the recent ones once connected: the program's windows
    // do, the demo (a new port every run) and windows made by tests do not.
    bool rememberServer = false;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Options = MainWindowOptions;

    explicit MainWindow(ServerAddress address, Options options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ClientCore& core() const { return *core_; }
    Connection* connection() const { return connection_; }
    DisplayWidget* display() const { return display_; }
    ItemGridView* itemGrid() const { return itemGrid_; }
    MessageGridView* messageGrid() const { return messageGrid_; }
    TabStrip* tabStrip() const { return tabStrip_; }
    EntryBox* entryBox() const { return entryBox_; }
    QWidget* focusSink() const { return focusSink_; }
    QMenu* itemMenu() const { return itemMenu_; }
    LogWindow* logWindow() const { return logWindow_; }
    QLabel* statusLabel() const { return statusLabel_; }
    QLabel* frozenLabel() const { return frozenLabel_; }
    StateFile* stateFile() const { return stateFile_; }
    ConnectionControl* connectionControl() const { return connectionControl_; }

    // Connects again to the same server (asking first while connected).
    void reconnect();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanels();
    void buildMenus();
    void wireEvents();

    // Feeds one event to the core, then shows what it changed.
    template <class F>
    void feed(F&& event) {
        event(*core_);
        afterEvent();
    }
    void afterEvent();
    void syncMenus();
    void syncZOrder();
    void syncLog();
    void syncSound();
    void syncFrozen();
    void armWakeTimer();
    void handleKey(const QKeyEvent& event);
    void panelFocused(FocusHolder panel);
    void syncNotices();
    std::string windowJson() const;

    ServerAddress address_;
    MonotonicClock clock_;
    WindowHost host_;
    std::unique_ptr<ClientCore> core_;
    WarningSound sound_{clock_};

    Connection* connection_ = nullptr;
    ConnectionControl* connectionControl_ = nullptr;
    KeyTranslator translator_;
    KeyBroadcast* broadcast_ = nullptr;
    DisplayWidget* display_ = nullptr;
    EntryBox* entryBox_ = nullptr;
    QWidget* focusSink_ = nullptr;
    TabStrip* tabStrip_ = nullptr;
    ItemGridView* itemGrid_ = nullptr;
    MessageGridView* messageGrid_ = nullptr;
    QMenu* itemMenu_ = nullptr;
    LogWindow* logWindow_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* frozenLabel_ = nullptr;  // says why nothing moves while frozen
    StateFile* stateFile_ = nullptr;
    QAction* textBoxModeAction_ = nullptr;
    QAction* delayModeAction_ = nullptr;
    QAction* viewLogAction_ = nullptr;
    QAction* experienceAction_ = nullptr;

    QTimer wakeTimer_;            // armed for the core's next wake
    StreamPump* pump_ = nullptr;  // received data, a turn of the event loop at a time
    bool connectedOnce_ = false;
    uint64_t shownRefusedInputs_ = 0;
    uint64_t shownUnsentWrites_ = 0;
    std::optional<uint64_t> shownRefusedCharacters_;

    std::optional<uint64_t> shownModes_;
    std::optional<uint64_t> shownCaptions_;
    std::optional<bool> shownFront_{false};  // as created: the item grid lies above the tab strip
    int shownWarnings_ = 0;

    // A key event reaches the filter again for each parent it is passed to.
    const QEvent* lastKey_ = nullptr;
    QPointer<QWidget> lastKeyTarget_;
};

// A new main window that deletes itself when closed, shown and connecting.
MainWindow* openMainWindow(const ServerAddress& address, MainWindow::Options options = {});

}  // namespace quorlak
