#pragma once
// Writes a session down as a replay script while it happens: every event the
// core is given, in the order it arrived, with the clock's time between
// events as advance events. The replay driver runs the script on a fresh core
// and so reproduces the session. Nothing is kept but the line being made:
// each event is written through at once.
//
// The script's events have no word for a few things the platform does:
// which control holds the keyboard (the script's clicks imply it), the
// modifiers held when another window's broadcast arrives, and a restart of
// the stream on a new connection. The last ends the recording.

#include <functional>
#include <optional>
#include <string>

#include "base/clock.h"
#include "base/line_sink.h"
#include "core/client_core.h"
#include "core/core_observer.h"
#include "replay/script.h"

namespace quorlak {

class SessionRecorder : public CoreObserver {
public:
    using ClipboardReader = std::function<std::string()>;

    // Starts writing. A core already under way is described first as far as
    // the script can say it (the connection, the client size, the modes, the
    // unfinished record); what it drew before is not in the recording. Times
    // count from `originMs` on the clock (a fresh replay starts at 0).
    SessionRecorder(LineSink& sink, const ClientCore& core, const Clock& clock, ClipboardReader clipboard,
                    double originMs);
    ~SessionRecorder() override;

    // Writes out a key press still waiting for its character.
    void flush();
    // Ends the recording at this moment: the time since the last event is
    // written too, so the replay's clock ends where the session's did.
    void finish();
    // False once a line could not be written or the stream restarted; nothing more is written then.
    bool recording() const { return recording_; }
    // Why the recording stopped by itself; empty while it goes on.
    const std::string& stopReason() const { return stopReason_; }

    void received(std::string_view chunk) override;
    void keyDown(int16_t vk, int16_t mask) override;
    void keyPress(int16_t ch) override;
    void boxTextSet(std::string_view text) override;
    void menuChosen(MenuItem item) override;
    void doubleClicked() override;
    void resized(int w, int h) override;
    void pointerOverForm() override;
    void pointerOverItems(int yTwips) override;
    void itemsPressed(int button, int yTwips) override;
    void tabsPressed(int button) override;
    void itemSelected(int row) override;
    void messageSelected(int64_t row) override;
    void itemsScrolled(int toprow) override;
    void tabClicked(int index) override;
    void broadcastReceived(int16_t vk) override;
    void connectionChanged(bool connected) override;
    void streamRestarted() override;

private:
    // The key press that pasted the clipboard: the script needs its text first.
    static constexpr int16_t kPasteChar = 22;

    void writePrelude();
    // Writes the time passed since the last event, then `event`.
    void record(ScriptEvent event);
    void writeAdvanceTo(double nowMs);
    void write(const ScriptEvent& event);
    void noteClipboard();
    void stop(std::string why);

    LineSink& sink_;
    const ClientCore& core_;
    const Clock& clock_;
    ClipboardReader clipboard_;
    double writtenMs_;  // the script's time so far, on the clock, summed as the replay sums it
    std::optional<bool> writtenConnected_;
    std::optional<ScriptEvent> pendingKey_;
    std::optional<std::string> writtenClipboard_;
    bool recording_ = true;
    std::string stopReason_;
};

}  // namespace quorlak
