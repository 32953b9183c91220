#pragma once
// The main window: the display with the side panels over it, the menu bar,
// a connection status line under the display, and the one connection. Every
// rule lives in the core; the window feeds it events and shows its models.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "core/client_core.h"
#include "gui/display_scale.h"
#include "gui/monotonic_clock.h"
#include "gui/warning_sound.h"
#include "gui/window_host.h"
#include "input/key_translator.h"
#include "replay/script.h"
#include "replay/virtual_clock.h"
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
class MessageLog;
class Playback;
class RecordingFile;
class Settings;
class StreamPump;
class StateFile;
class TabStrip;
class WindowZoom;

// How a main window starts.
struct MainWindowOptions {
    QString broadcastDirectory{};   // empty: the desktop user's
    QString stateFile{};            // a testing aid: keep the state in this file (empty: none)
    Settings* settings = nullptr;   // what is remembered between runs; none: defaults for this run only
    std::optional<int> zoom{};      // this zoom instead of the remembered one
    QString recordFile{};           // record the session into this file from its start
    QString messageLogDirectory{};  // where the message log goes (empty: the player's data folder)
    // Play this recording instead of connecting to a server.
    std::optional<std::vector<ScriptEvent>> playback{};
    double playbackSpeed = 1;
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
    WindowZoom* zoom() const { return zoom_; }
    Playback* playback() const { return playback_; }
    RecordingFile* recording() const { return recording_.get(); }
    MessageLog* messageLog() const { return messageLog_.get(); }
    // The last problem told in the status bar (a file that cannot be written).
    const QString& lastProblem() const { return lastProblem_; }
    ConnectionControl* connectionControl() const { return connectionControl_; }

    // Connects again to the same server (asking first while connected).
    void reconnect();
    // Records what the core gets from now on into `path`; false (and the
    // status bar says why) when the file cannot be written.
    bool startRecording(const QString& path);
    void stopRecording();
    // Starts or stops the message log, and remembers the choice.
    void setLogMessages(bool on);
    // The game display as shown at the zoom, into a PNG file or the clipboard.
    bool saveScreenshot(const QString& path);
    void copyScreenshot();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanels();
    void buildMenus();
    void addRecordAction(QMenu& connectionMenu);
    void buildViewMenu();
    void wireEvents();
    // Shows everything at `zoom`, the client area keeping its size in units.
    void applyZoom(int zoom);
    bool fitsScreen() const;
    void tellProblem(const QString& problem);
    void syncFiles();
    void followRecordedSize();
    bool live() const { return playback_ == nullptr; }

    // Feeds one event to the core, then shows what it changed (not while a
    // recording plays: its events are the recording's).
    template <class F>
    void feed(F&& event) {
        if (!live()) return;
        const MonotonicClock::Hold moment(clock_);
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
    VirtualClock playbackClock_;
    const Clock& coreClock_;  // the monotonic clock, or the playback's
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
    QAction* recordAction_ = nullptr;
    QAction* logMessagesAction_ = nullptr;

    std::unique_ptr<Settings> ownSettings_;  // when none was given
    Settings* settings_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    DisplayScale scale_;
    int chromeFontPixels_ = 0;  // the menu bar's and status line's font at 1x
    std::unique_ptr<RecordingFile> recording_;
    std::unique_ptr<MessageLog> messageLog_;
    QString messageLogDirectory_;
    Playback* playback_ = nullptr;
    QSize followedSize_;  // the recording's last client size the window took
    QString lastProblem_;

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
