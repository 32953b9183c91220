#include "replay/replay_session.h"

#include <algorithm>
#include <optional>

#include "replay/file_bytes.h"

namespace quorlak {

namespace {

// Work queued for "immediately after" an event cannot feed itself for long;
// the bound only guards against a loop.
constexpr int kMaxSettleRounds = 64;
// Wake-ups that do not move the clock forward before the driver stops waiting.
constexpr int kMaxStalledWakes = 8;

}  // namespace

ReplaySession::ReplaySession(Pictures pictures, const QFont& font, int width, int height, size_t chunk)
    : core_(globals_, host_, clock_), chunk_(chunk) {
    core_.load(std::move(pictures), font);
    core_.setConnected(true);
    // The window is always first shown at its created size; another size is
    // a later resize, which leaves the panels alone when it is too short.
    core_.resize(kDefaultSize, kDefaultSize);
    if (width != kDefaultSize || height != kDefaultSize) core_.resize(width, height);
    finishEvent();
}

std::string_view ReplaySession::keep(std::string bytes) {
    heldBytes_ += bytes.size();
    kept_.push_back(std::move(bytes));
    return kept_.back();
}

void ReplaySession::receiveFile(std::string bytes) {
    if (bytes.empty()) return;
    submitStream(keep(std::move(bytes)), chunk_);
}

bool ReplaySession::run(const ScriptEvent& event, std::string& error) {
    using Kind = ScriptEvent::Kind;
    switch (event.kind) {
        case Kind::Recv:
            // Only when it has to wait is the chunk copied.
            if (event.bytes.empty()) return true;
            if (waiting_.empty() && !core_.holding()) {
                core_.receive(event.bytes);
                finishEvent();
            } else {
                submitStream(keep(event.bytes), 0);
            }
            return true;
        case Kind::RecvFile: {
            auto bytes = readFileBytes(event.path, error);
            if (!bytes) return false;
            receiveFile(std::move(*bytes));
            return true;
        }
        case Kind::Advance:
            advance(event.ms);
            return true;
        // The socket and the clipboard belong to the platform: they change at
        // once, even while a pause holds the window.
        case Kind::Connection:
            core_.setConnected(event.open);
            finishEvent();
            return true;
        case Kind::Clipboard:
            host_.setClipboard(event.bytes);
            return true;
        default:
            submit(event);
            return true;
    }
}

void ReplaySession::release() {
    // Slices are kept and delivered in the same order, so the oldest kept
    // bytes belong to the slice just finished.
    heldBytes_ -= kept_.front().size();
    kept_.pop_front();
}

void ReplaySession::submitStream(std::string_view data, size_t chunk) {
    submit(StreamSlice{data, chunk});
}

void ReplaySession::submit(Input input) {
    waiting_.push_back(std::move(input));
    pump();
}

std::string_view ReplaySession::takeChunk(StreamSlice& slice) {
    const size_t n = slice.chunk == 0 ? slice.data.size() : std::min(slice.chunk, slice.data.size());
    const std::string_view piece = slice.data.substr(0, n);
    slice.data.remove_prefix(n);
    return piece;
}

void ReplaySession::pump() {
    while (!waiting_.empty() && !core_.holding()) {
        Input& front = waiting_.front();
        if (auto* slice = std::get_if<StreamSlice>(&front)) {
            const std::string_view piece = takeChunk(*slice);
            const bool done = slice->data.empty();
            if (done) waiting_.pop_front();
            core_.receive(piece);
            if (done) release();
        } else if (const auto* key = std::get_if<ReplayHost::PostedKey>(&front)) {
            const ReplayHost::PostedKey posted = *key;
            waiting_.pop_front();
            deliverBroadcast(posted);
        } else {
            const ScriptEvent event = std::move(std::get<ScriptEvent>(front));
            waiting_.pop_front();
            runEvent(event);
        }
        finishEvent();
    }
}

void ReplaySession::runEvent(const ScriptEvent& event) {
    // A key press reports its own modifiers to whatever it posts.
    if (event.kind == ScriptEvent::Kind::KeyDown) host_.setHeldModifiers(static_cast<uint16_t>(event.mask));
    callCore(event);
    host_.setHeldModifiers(0);
}

void ReplaySession::callCore(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    switch (event.kind) {
        case Kind::KeyDown:
            core_.keyDown(event.vk, event.mask);
            if (event.ch) core_.keyPress(*event.ch);
            break;
        case Kind::Char:
            core_.keyPress(event.ch.value_or(0));
            break;
        case Kind::SetText:
            core_.setBoxText(event.bytes);
            break;
        case Kind::Menu:
            core_.menu(event.menu);
            break;
        case Kind::MouseDownItems:
            core_.mouseDownItems(event.button, event.y);
            break;
        case Kind::MouseDownTabs:
            core_.mouseDownTabs(event.button);
            break;
        case Kind::SelectItems:
            core_.selectItem(static_cast<int>(event.row));
            break;
        case Kind::SelectMessages:
            core_.selectMessage(event.row);
            break;
        case Kind::ScrollItems:
            core_.scrollItems(static_cast<int>(event.row));
            break;
        case Kind::Tab:
            core_.tab(static_cast<int>(event.row));
            break;
        case Kind::MouseMoveForm:
            core_.mouseMoveForm();
            break;
        case Kind::MouseMoveItems:
            core_.mouseMoveItems(event.y);
            break;
        case Kind::DoubleClick:
            core_.doubleClick();
            break;
        case Kind::Resize:
            core_.resize(event.width, event.height);
            break;
        case Kind::BroadcastIn:
            core_.broadcastIn(event.vk);
            break;
        // Not window events: run() handles these without waiting.
        case Kind::Recv:
        case Kind::RecvFile:
        case Kind::Advance:
        case Kind::Connection:
        case Kind::Clipboard:
            break;
    }
}

void ReplaySession::deliverBroadcast(const ReplayHost::PostedKey& key) {
    host_.setHeldModifiers(key.mask);
    core_.broadcastIn(key.vk);
    host_.setHeldModifiers(0);
}

void ReplaySession::finishEvent() {
    for (int round = 0; round < kMaxSettleRounds; ++round) {
        core_.poll();
        if (!host_.hasPosted()) return;
        const auto posted = host_.takePosted();
        for (size_t i = 0; i < posted.size(); ++i) {
            if (core_.holding()) {
                // Posted before anything that waits already: they go first.
                for (size_t j = posted.size(); j > i; --j) waiting_.push_front(posted[j - 1]);
                return;
            }
            deliverBroadcast(posted[i]);
        }
    }
}

void ReplaySession::handWaitingToCore() {
    // Only player input can restart the keep-alive or write beside it: server
    // data after the last such input may go on waiting here.
    size_t count = 0;
    for (size_t i = waiting_.size(); i > 0 && count == 0; --i)
        if (!std::holds_alternative<StreamSlice>(waiting_[i - 1])) count = i;
    // Room for a key press (two events) below the core's own bound.
    while (count > 0 && core_.deferredEvents() + 2 < ClientCore::kMaxDeferredEvents) {
        Input& front = waiting_.front();
        if (auto* slice = std::get_if<StreamSlice>(&front)) {
            core_.receive(takeChunk(*slice));
        } else if (const auto* key = std::get_if<ReplayHost::PostedKey>(&front)) {
            core_.broadcastIn(key->vk);
        } else {
            callCore(std::get<ScriptEvent>(front));
        }
        const auto* slice = std::get_if<StreamSlice>(&front);
        if (!slice || slice->data.empty()) {
            const bool bytesDone = slice != nullptr;
            waiting_.pop_front();
            if (bytesDone) release();  // the core holds its own copy now
            --count;
        }
    }
}

void ReplaySession::advance(double ms) {
    const double target = clock_.nowMs() + ms;
    std::optional<double> lastWake;
    int stalled = 0;
    for (;;) {
        const auto wake = core_.nextWake();
        if (!wake || *wake > target) break;
        if (lastWake && *wake <= *lastWake) {
            if (++stalled > kMaxStalledWakes) break;
        } else {
            stalled = 0;
        }
        lastWake = wake;
        clock_.setNow(*wake);
        // A keep-alive that fell due during the pause runs after the input
        // that waited behind it (a key restarts it): only the core can order
        // the two, so the waiting input goes into its queue first.
        if (core_.holding() && !waiting_.empty() && core_.timerEnabled() && core_.timerDue() <= clock_.nowMs())
            handWaitingToCore();
        finishEvent();
        pump();
    }
    clock_.setNow(target);
    finishEvent();
    pump();
}

}  // namespace quorlak
