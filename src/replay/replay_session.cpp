#include "replay/replay_session.h"

#include <algorithm>
#include <optional>

#include "replay/file_bytes.h"

namespace quorlak {

namespace {

// Wake-ups that do not move the clock forward before the driver stops waiting.
constexpr int kMaxStalledWakes = 8;

}  // namespace

ReplaySession::ReplaySession(Pictures pictures, const QFont& font, int width, int height, size_t chunk)
    : ReplaySession(std::move(pictures), font, width, height, chunk, Canvas()) {}

ReplaySession::ReplaySession(Pictures pictures, const QFont& font, int width, int height, size_t chunk, Canvas&& reused)
    : core_(host_, clock_, std::move(reused)), chunk_(chunk) {
    core_.load(std::move(pictures), font);
    core_.setConnected(true);
    // The window is always first shown at its created size; another size is
    // a later resize, which leaves the panels alone when it is too short.
    core_.resize(kDefaultSize, kDefaultSize);
    if (width != kDefaultSize || height != kDefaultSize) core_.resize(width, height);
    core_.poll();
}

void ReplaySession::receiveFile(std::string bytes) {
    core_.receiveStream(std::make_shared<const std::string>(std::move(bytes)), chunk_);
    core_.poll();
}

bool ReplaySession::run(const ScriptEvent& event, std::string& error) {
    using Kind = ScriptEvent::Kind;
    switch (event.kind) {
        case Kind::Recv:
            if (!event.bytes.empty()) core_.receive(event.bytes);
            break;
        case Kind::RecvFile: {
            auto bytes = readFileBytes(event.path, error);
            if (!bytes) return false;
            receiveFile(std::move(*bytes));
            return true;
        }
        case Kind::Advance: advance(event.ms); return true;
        // The socket and the clipboard belong to the platform: they change at
        // once, even while a pause holds the window.
        case Kind::Connection: core_.setConnected(event.open); break;
        case Kind::Clipboard: host_.setClipboard(event.bytes); return true;
        default:
            // A key press reports its own modifiers to whatever it posts.
            if (event.kind == Kind::KeyDown) host_.setHeldModifiers(static_cast<uint16_t>(event.mask));
            callCore(event);
            host_.setHeldModifiers(0);
            break;
    }
    // Zero-delay work and whatever fell due at this same moment.
    core_.poll();
    return true;
}

void ReplaySession::callCore(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    switch (event.kind) {
        case Kind::KeyDown:
            core_.keyDown(event.vk, event.mask);
            if (event.ch) core_.keyPress(*event.ch);
            break;
        case Kind::Char: core_.keyPress(event.ch.value_or(0)); break;
        case Kind::SetText: core_.setBoxText(event.bytes); break;
        case Kind::Menu: core_.menu(event.menu); break;
        // A click on a panel gives it the keyboard first, as the platform does.
        case Kind::MouseDownItems:
            core_.focusEntered(FocusHolder::ItemGrid);
            core_.mouseDownItems(event.button, event.y);
            break;
        case Kind::MouseDownTabs:
            core_.focusEntered(FocusHolder::TabStrip);
            core_.mouseDownTabs(event.button);
            break;
        case Kind::SelectItems:
            core_.focusEntered(FocusHolder::ItemGrid);
            core_.selectItem(static_cast<int>(event.row));
            break;
        case Kind::SelectMessages:
            core_.focusEntered(FocusHolder::MessageGrid);
            core_.selectMessage(event.row);
            break;
        case Kind::ScrollItems: core_.scrollItems(static_cast<int>(event.row)); break;
        case Kind::Tab:
            core_.focusEntered(FocusHolder::TabStrip);
            core_.tab(static_cast<int>(event.row));
            break;
        case Kind::MouseMoveForm: core_.mouseMoveForm(); break;
        case Kind::MouseMoveItems: core_.mouseMoveItems(event.y); break;
        case Kind::DoubleClick: core_.doubleClick(); break;
        case Kind::Resize: core_.resize(event.width, event.height); break;
        case Kind::BroadcastIn: core_.broadcastIn(event.vk); break;
        // Not window events: run() handles these itself.
        case Kind::Recv:
        case Kind::RecvFile:
        case Kind::Advance:
        case Kind::Connection:
        case Kind::Clipboard: break;
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
        core_.poll();
    }
    clock_.setNow(target);
    core_.poll();
}

}  // namespace quorlak
