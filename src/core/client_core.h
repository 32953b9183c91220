#pragma once
// The client without its widgets and socket: the window and the replay
// driver both feed it events and show what it holds.
//
// A pause record holds the stream: until the pause has passed, every later
// event (received data, keys, clicks) waits in order and runs afterwards,
// each with the work it queued for right after itself, as it would behind a
// busy wait, while the window stays live. Timers are the platform's lowest
// priority: a keep-alive that fell due in a pause ticks only once everything
// that waited has run.

#include <QFont>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/clock.h"
#include "canvas/canvas.h"
#include "canvas/pictures.h"
#include "commands/record_commands.h"
#include "commands/screen_events.h"
#include "core/core_host.h"
#include "core/core_observer.h"
#include "core/menu_item.h"
#include "core/turn_budget.h"
#include "input/key_sender.h"
#include "input/keyboard.h"
#include "input/panel_actions.h"
#include "input/text_entry.h"
#include "panels/panel_models.h"
#include "panels/screen_reader.h"
#include "panels/side_panels.h"
#include "wire/framer.h"

namespace quorlak {

class ClientCore {
public:
    static constexpr double kKeepAliveMs = 65000;
    // Player input waiting behind a pause; more is refused. Received data
    // is never refused: the window stops reading the socket while it waits.
    static constexpr size_t kMaxHeldInputs = 100000;

    ClientCore(CoreHost& host, const Clock& clock);
    // A core on the canvas of one that is done with (see takeCanvas): it
    // starts as a new core does, only the canvas's picture buffer and the
    // glyphs it drew are not made again. For drivers that run many sessions.
    ClientCore(CoreHost& host, const Clock& clock, Canvas&& reused);
    ClientCore(const ClientCore&) = delete;
    ClientCore& operator=(const ClientCore&) = delete;
    // Hands the canvas on to a core made next; this one is done with.
    Canvas takeCanvas() && { return std::move(canvas_); }

    // The window's load step, short of connecting: pictures, font, grids, DELAY on.
    void load(Pictures pictures, const QFont& font);

    // Events. Each runs at once, or after the pause that holds the stream.
    void receive(std::string_view chunk);
    // A recording's bytes, delivered in chunks of `chunk` bytes (0: whole);
    // behind a pause they wait as one slice of the shared buffer.
    void receiveStream(std::shared_ptr<const std::string> bytes, size_t chunk);
    void keyDown(int16_t vk, int16_t mask);
    // A character; a broadcast it starts reaches this window with the
    // modifiers held as the key was pressed.
    void keyPress(int16_t ch);
    // A character typed that no key item can carry.
    void characterWithoutKey(char32_t ch);
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
    // A control received the keyboard focus. Focus is the platform's state,
    // so it changes at once, also during a pause. The grids and the tab
    // strip hand it on to the focus sink at once, so keys stay the window's.
    void focusEntered(FocusHolder holder);
    // The text entry box lost the keyboard to something outside the window.
    void focusLeftTextBox();
    FocusHolder keyboardFocus() const { return entry_.keyboardFocus(); }
    // A new connection to the server begins (a reconnect): what the old one
    // left held (records behind a pause, data not yet read) is discarded.
    void restartStream();

    // Bounds the received records one call runs (none: every chunk runs
    // whole, as the replay driver has it). When the budget is spent the
    // records left wait, in order, for runWaitingRecords(); later data waits
    // behind them, but player input does not. The records of one chunk share
    // their point lists across the calls as if they ran at once.
    void setTurnBudget(TurnBudget* budget) { budget_ = budget; }
    // A turn ended before the stream did (also right on a chunk's last
    // record, with nothing left): runWaitingRecords() takes the next turn.
    bool recordsWaiting() const { return framer_.holding() && !holding(); }
    void runWaitingRecords();

    // Runs whatever is due on the clock: the end of a pause, the keep-alive
    // tick, the next paced write.
    void poll();
    // The earliest clock time at which poll() has something to do.
    std::optional<double> nextWake() const;

    // A pause is holding the stream (the window should not read the socket).
    bool holding() const { return pauseUntil_.has_value(); }
    bool connected() const { return connected_; }
    // Player inputs and received bytes waiting behind the pause.
    size_t heldInputs() const { return heldInputs_; }
    size_t heldBytes() const;
    // Counts the inputs refused because too many were waiting.
    uint64_t refusedInputs() const { return refusedInputs_; }
    // Counts the writes of keys that found no connection to go out on.
    uint64_t unsentWrites() const { return unsentWrites_; }

    // Read side for the views and the replay driver.
    const Canvas& canvas() const { return canvas_; }
    Canvas& canvas() { return canvas_; }
    const ItemGridModel& items() const { return panels_.items(); }
    const MessageGridModel& messages() const { return panels_.messages(); }
    const TabStripModel& tabs() const { return panels_.tabs(); }
    const TextBoxModel& textBox() const { return entry_.box(); }
    const LogModel& log() const { return panels_.log(); }
    const Pictures& pictures() const { return pictures_; }
    const RecordCommands& commands() const { return commands_; }
    const ScreenReader& reader() const { return panels_.reader(); }
    const CaptionsModel& captions() const { return panels_.reader().captions(); }
    const InputModes& modes() const { return keyboard_.modes(); }
    const RefusedCharacters& refusedCharacters() const { return keyboard_.refused(); }
    const PanelActions& actions() const { return actions_; }
    // The unfinished record that waits for the next chunk.
    const std::string& unfinishedRecord() const { return framer_.tail(); }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    bool timerEnabled() const { return timerEnabled_; }
    double timerDue() const { return timerDue_; }
    // Warnings sounded because a count of users rose from one.
    int warnings() const { return panels_.reader().warnings(); }
    // Tells `observer` (or nobody, with nullptr) of every event from now on.
    void setObserver(CoreObserver* observer) { observer_ = observer; }
    const CoreObserver* observer() const { return observer_; }

    // The log window was shown or hidden by the player.
    void setLogVisible(bool visible);

private:
    class StreamHandler : public RecordHandler {
    public:
        explicit StreamHandler(ClientCore& core) : core_(core) {}
        void beginChunk() override;
        Flow handle(const Record& record) override;

    private:
        ClientCore& core_;
    };

    // Screen events go to the panels, and those of the input field to the entry box.
    class EventRouter : public ScreenEvents {
    public:
        explicit EventRouter(ClientCore& core) : core_(core) {}
        bool textLine(std::string& text) override { return reader().readTextLine(text); }
        void slotUnderlined(int slot) override { reader().slotUnderlined(slot); }
        void itemRowMarked() override { reader().itemRowMarked(); }
        void tabStripCleared() override { reader().tabStripCleared(); }
        void encounterStarted() override { reader().encounterStarted(); }
        void encounterEnded() override { reader().encounterEnded(); }
        void inputFieldOpened(const InputFieldPlacement& placement) override {
            core_.entry_.fieldOpened(placement, core_.keyboard_.modes().textBox);
        }
        void inputFieldClosed() override { core_.entry_.fieldClosed(); }

    private:
        ScreenReader& reader() { return core_.panels_.reader(); }
        ClientCore& core_;
    };

    // Received bytes waiting behind a pause, as a slice of a shared buffer.
    struct HeldBytes {
        std::shared_ptr<const std::string> bytes;
        size_t offset = 0;
        size_t chunk = 0;  // 0: the rest in one piece
    };
    using HeldEvent = std::variant<HeldBytes, std::function<void()>>;

    void runOrDefer(std::function<void()> event);
    void runInput(const std::function<void()>& event);
    void runPosted();
    void deliver(std::string_view chunk);
    void beginTurn();
    bool streamBusy() const { return framer_.holding() || !held_.empty(); }
    void endPauseIfDue(double now);
    void drainHeld();
    void broadcastKey(int16_t vk, uint16_t heldMask);
    void write(std::string_view bytes);
    void restartKeepAlive();
    void keepAliveTick();
    void setItemsTopRow(int toprow);

    CoreHost& host_;
    const Clock& clock_;
    CoreObserver* observer_ = nullptr;

    Canvas canvas_;
    Pictures pictures_;
    TextEntry entry_;
    int clientWidth_ = screen::kDisplaySize;
    int clientHeight_ = screen::kDisplaySize;

    bool connected_ = false;
    bool timerEnabled_ = true;
    double timerDue_ = 0;
    std::optional<double> pauseUntil_;  // stream held until the clock passes this
    TurnBudget* budget_ = nullptr;
    bool afterPause_ = false;  // the records a pause held may still be running
    std::deque<HeldEvent> held_;
    size_t heldInputs_ = 0;
    uint64_t refusedInputs_ = 0;
    uint64_t unsentWrites_ = 0;
    bool draining_ = false;
    // Work an event queued for right after itself (this window's copy of a
    // key broadcast), run before anything that waits.
    std::vector<std::function<void()>> posted_;

    KeySender sender_;
    SidePanels panels_;
    EventRouter events_;
    RecordCommands commands_;
    Keyboard keyboard_;
    PanelActions actions_;
    StreamHandler handler_;
    StreamFramer framer_;
};

}  // namespace quorlak
