#include "replay/session_recorder.h"

#include <cmath>

namespace quorlak {

namespace {

using Kind = ScriptEvent::Kind;

// The longest wait one advance event may hold.
constexpr double kMaxAdvanceMs = 2147483647.0;

ScriptEvent event(Kind kind) {
    ScriptEvent ev;
    ev.kind = kind;
    return ev;
}

}  // namespace

SessionRecorder::SessionRecorder(LineSink& sink, const ClientCore& core, const Clock& clock, ClipboardReader clipboard,
                                 double originMs)
    : sink_(sink), core_(core), clock_(clock), clipboard_(std::move(clipboard)), writtenMs_(originMs) {
    writePrelude();
}

SessionRecorder::~SessionRecorder() { flush(); }

void SessionRecorder::writePrelude() {
    // A fresh replay starts connected, at the created size, with DELAY on
    // and nothing unfinished; only what differs is said.
    if (!core_.connected()) connectionChanged(false);
    if (core_.clientWidth() != screen::kDisplaySize || core_.clientHeight() != screen::kDisplaySize)
        resized(core_.clientWidth(), core_.clientHeight());
    // Before any mode: a frozen display would throw it away.
    if (!core_.unfinishedRecord().empty()) received(core_.unfinishedRecord());
    if (core_.modes().textBox) menuChosen(MenuItem::TextBoxMode);
    if (!core_.modes().delay) menuChosen(MenuItem::DelayMode);
    if (core_.modes().frozen) doubleClicked();
}

void SessionRecorder::flush() {
    if (!pendingKey_) return;
    const ScriptEvent key = std::move(*pendingKey_);
    pendingKey_.reset();
    write(key);
}

void SessionRecorder::finish() {
    flush();
    writeAdvanceTo(clock_.nowMs());
    stop("the recording was finished");
}

void SessionRecorder::stop(std::string why) {
    if (!recording_) return;
    recording_ = false;
    stopReason_ = std::move(why);
}

void SessionRecorder::write(const ScriptEvent& ev) {
    if (recording_ && !sink_.writeLine(scriptLine(ev))) stop("the recording could not be written");
}

void SessionRecorder::writeAdvanceTo(double nowMs) {
    while (recording_ && nowMs > writtenMs_) {
        double ms = std::min(nowMs - writtenMs_, kMaxAdvanceMs);
        if (ms < kMaxAdvanceMs) {
            // The replay adds each wait to its clock: it must land on this
            // very moment, not a rounding step beside it.
            while (writtenMs_ + ms < nowMs) ms = std::nextafter(ms, kMaxAdvanceMs);
            while (ms > 0 && writtenMs_ + ms > nowMs) ms = std::nextafter(ms, 0.0);
        }
        if (!(ms > 0)) return;
        ScriptEvent advance = event(Kind::Advance);
        advance.ms = ms;
        write(advance);
        writtenMs_ += ms;
    }
}

void SessionRecorder::record(ScriptEvent ev) {
    flush();
    writeAdvanceTo(clock_.nowMs());
    write(ev);
}

void SessionRecorder::noteClipboard() {
    if (!clipboard_) return;
    std::string text = clipboard_();
    if (writtenClipboard_ == text) return;
    ScriptEvent ev = event(Kind::Clipboard);
    ev.bytes = text;
    writtenClipboard_ = std::move(text);
    write(ev);
}

void SessionRecorder::received(std::string_view chunk) {
    if (chunk.empty()) return;
    ScriptEvent ev = event(Kind::Recv);
    ev.bytes = chunk;
    record(std::move(ev));
}

void SessionRecorder::keyDown(int16_t vk, int16_t mask) {
    // Held back for the character the same key press may bring.
    flush();
    writeAdvanceTo(clock_.nowMs());
    ScriptEvent ev = event(Kind::KeyDown);
    ev.vk = vk;
    ev.mask = mask;
    pendingKey_ = std::move(ev);
}

void SessionRecorder::keyPress(int16_t ch) {
    if (pendingKey_) {
        // The character of the key that just went down: one event, as a real key press.
        if (ch == kPasteChar) noteClipboard();
        pendingKey_->ch = ch;
        flush();
        return;
    }
    writeAdvanceTo(clock_.nowMs());
    if (ch == kPasteChar) noteClipboard();
    ScriptEvent ev = event(Kind::Char);
    ev.ch = ch;
    write(ev);
}

void SessionRecorder::boxTextSet(std::string_view text) {
    ScriptEvent ev = event(Kind::SetText);
    ev.bytes = text;
    record(std::move(ev));
}

void SessionRecorder::menuChosen(MenuItem item) {
    ScriptEvent ev = event(Kind::Menu);
    ev.menu = item;
    record(std::move(ev));
}

void SessionRecorder::doubleClicked() { record(event(Kind::DoubleClick)); }

void SessionRecorder::resized(int w, int h) {
    ScriptEvent ev = event(Kind::Resize);
    ev.width = w;
    ev.height = h;
    record(std::move(ev));
}

void SessionRecorder::pointerOverForm() { record(event(Kind::MouseMoveForm)); }

void SessionRecorder::pointerOverItems(int yTwips) {
    ScriptEvent ev = event(Kind::MouseMoveItems);
    ev.y = yTwips;
    record(std::move(ev));
}

void SessionRecorder::itemsPressed(int button, int yTwips) {
    ScriptEvent ev = event(Kind::MouseDownItems);
    ev.button = button;
    ev.y = yTwips;
    record(std::move(ev));
}

void SessionRecorder::tabsPressed(int button) {
    ScriptEvent ev = event(Kind::MouseDownTabs);
    ev.button = button;
    record(std::move(ev));
}

void SessionRecorder::itemSelected(int row) {
    ScriptEvent ev = event(Kind::SelectItems);
    ev.row = row;
    record(std::move(ev));
}

void SessionRecorder::messageSelected(int64_t row) {
    ScriptEvent ev = event(Kind::SelectMessages);
    ev.row = row;
    record(std::move(ev));
}

void SessionRecorder::itemsScrolled(int toprow) {
    ScriptEvent ev = event(Kind::ScrollItems);
    ev.row = toprow;
    record(std::move(ev));
}

void SessionRecorder::tabClicked(int index) {
    ScriptEvent ev = event(Kind::Tab);
    ev.row = index;
    record(std::move(ev));
}

void SessionRecorder::broadcastReceived(int16_t vk) {
    ScriptEvent ev = event(Kind::BroadcastIn);
    ev.vk = vk;
    record(std::move(ev));
}

void SessionRecorder::connectionChanged(bool connected) {
    // A fresh replay is connected; the socket reports each of its steps, the script only changes.
    if (writtenConnected_.value_or(true) == connected) return;
    writtenConnected_ = connected;
    ScriptEvent ev = event(Kind::Connection);
    ev.open = connected;
    record(std::move(ev));
}

void SessionRecorder::streamRestarted() {
    // A restart that drops nothing changes nothing a script would see.
    if (core_.unfinishedRecord().empty() && !core_.holding() && core_.heldBytes() == 0) return;
    flush();
    stop("the connection was restarted in the middle of a record or a pause, which a script cannot say");
}

}  // namespace quorlak
