#pragma once
// The client without its widgets and socket: the window and the replay
// driver both feed it events and show what it holds.
//
// A pause record holds the stream: until the pause has passed, every later
// event (received data, keys, clicks, timer ticks) waits in order and runs
// afterwards, as it would behind a busy wait, while the window stays live.

#include <QFont>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "display/arrow.h"
#include "display/canvas.h"
#include "input/key_sender.h"
#include "input/keyboard.h"
#include "input/panel_actions.h"
#include "panels/panel_models.h"
#include "panels/text_interpreter.h"
#include "session/client_state.h"
#include "session/host.h"
#include "session/pictures.h"
#include "terminal/commands.h"
#include "terminal/framer.h"

namespace quorlak {

enum class MenuItem { mnutextbox, mnudelay, mnuviewlog, mnuSpell, mnuUse, mnugive, mnuXchange, mnuBank };

class ClientCore {
public:
    static constexpr double kKeepAliveMs = 65000;
    static constexpr size_t kMaxDeferredEvents = 100000;

    ClientCore(GlobalVars& globals, CoreHost& host, const Clock& clock);
    ClientCore(const ClientCore&) = delete;
    ClientCore& operator=(const ClientCore&) = delete;

    // The window's load step, short of connecting: pictures, font, grids, DELAY on.
    void load(Pictures pictures, const QFont& font);

    // Events. Each runs at once, or after the pause that holds the stream.
    void receive(std::string_view chunk);
    void keyDown(int16_t vk, int16_t mask);
    void keyPress(int16_t ch);
    void setBoxText(std::string text);
    void menu(MenuItem item);
    void doubleClick();
    void resize(int w, int h);
    void mouseMoveForm();
    void mouseMoveItems(int yTwips);
    void mouseDownItems(int button, int yTwips);
    void mouseDownTabs(int button);
    void selectItem(int row);
    void selectMessage(int64_t row);
    void scrollItems(int toprow);
    void tab(int index);
    void broadcastIn(int16_t vk);
    void setConnected(bool connected);
    // Whether the text entry box holds the keyboard: a platform state, so it
    // takes effect at once (its Up and Down keys move the box only then).
    void setBoxFocused(bool focused) { box_.focused = focused; }
    // A new connection to the server begins (a reconnect).
    void restartStream() { framer_.restart(); }

    // Runs whatever is due on the clock: the end of a pause, the keep-alive
    // tick, the next paced write.
    void poll();
    // The earliest clock time at which poll() has something to do.
    std::optional<double> nextWake() const;

    // A pause is holding the stream (the window should not read the socket).
    bool holding() const { return pauseUntil_.has_value(); }
    bool connected() const { return connected_; }
    // Events waiting behind the pause, in order.
    size_t deferredEvents() const { return deferred_.size(); }

    // Read side for the views and the replay driver.
    const ClientState& state() const { return state_; }
    const GlobalVars& globals() const { return globals_; }
    const Canvas& canvas() const { return canvas_; }
    Canvas& canvas() { return canvas_; }
    const ItemGridModel& items() const { return items_; }
    const MessageGridModel& messages() const { return messages_; }
    const TabStripModel& tabs() const { return tabs_; }
    const TextBoxModel& textBox() const { return box_; }
    const LogModel& log() const { return log_; }
    const MenuModel& menus() const { return menus_; }
    const WindowModel& window() const { return window_; }
    const Pictures& pictures() const { return pictures_; }
    bool timerEnabled() const { return timerEnabled_; }
    double timerDue() const { return timerDue_; }
    int beeps() const { return interpreter_.beeps(); }
    // The log window was shown or hidden by the player.
    void setLogVisible(bool visible);
    void closeLog();

private:
    class StreamHandler : public RecordHandler {
    public:
        explicit StreamHandler(ClientCore& core) : core_(core) {}
        void beginChunk() override;
        Flow handle(const Record& record) override;

    private:
        ClientCore& core_;
    };

    void runOrDefer(std::function<void()> event);
    void endPauseIfDue(double now);
    void drainDeferred();
    void write(std::string_view bytes);
    void restartKeepAlive();
    void keepAliveTick();
    void setItemsTopRow(int toprow);

    GlobalVars& globals_;
    CoreHost& host_;
    const Clock& clock_;

    ClientState state_;
    Canvas canvas_;
    Pictures pictures_;
    ItemGridModel items_;
    MessageGridModel messages_;
    TabStripModel tabs_;
    TextBoxModel box_;
    LogModel log_;
    MenuModel menus_;
    WindowModel window_;

    bool connected_ = false;
    bool timerEnabled_ = true;
    double timerDue_ = 0;
    double pauseStart_ = 0;
    std::optional<double> pauseUntil_;  // stream held until the clock passes this
    std::deque<std::function<void()>> deferred_;

    ArrowMarker marker_;
    KeySender sender_;
    TextInterpreter interpreter_;
    TerminalCommands commands_;
    Keyboard keyboard_;
    PanelActions actions_;
    StreamHandler handler_;
    StreamFramer framer_;
};

}  // namespace quorlak
