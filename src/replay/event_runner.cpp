#include "replay/event_runner.h"

#include <optional>

namespace quorlak {

namespace {

// Wake-ups that do not move the clock forward before the driver stops waiting.
constexpr int kMaxStalledWakes = 8;

void callCore(ClientCore& core, const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    switch (event.kind) {
        case Kind::Recv:
            if (!event.bytes.empty()) core.receive(event.bytes);
            break;
        case Kind::KeyDown:
            core.keyDown(event.vk, event.mask);
            if (event.ch) core.keyPress(*event.ch);
            break;
        case Kind::Char: core.keyPress(event.ch.value_or(0)); break;
        case Kind::SetText: core.setBoxText(event.bytes); break;
        case Kind::Menu: core.menu(event.menu); break;
        // A click on a panel gives it the keyboard first, as the platform does.
        case Kind::MouseDownItems:
            core.focusEntered(FocusHolder::ItemGrid);
            core.mouseDownItems(event.button, event.y);
            break;
        case Kind::MouseDownTabs:
            core.focusEntered(FocusHolder::TabStrip);
            core.mouseDownTabs(event.button);
            break;
        case Kind::SelectItems:
            core.focusEntered(FocusHolder::ItemGrid);
            core.selectItem(static_cast<int>(event.row));
            break;
        case Kind::SelectMessages:
            core.focusEntered(FocusHolder::MessageGrid);
            core.selectMessage(event.row);
            break;
        case Kind::ScrollItems: core.scrollItems(static_cast<int>(event.row)); break;
        case Kind::Tab:
            core.focusEntered(FocusHolder::TabStrip);
            core.tab(static_cast<int>(event.row));
            break;
        case Kind::MouseMoveForm: core.mouseMoveForm(); break;
        case Kind::MouseMoveItems: core.mouseMoveItems(event.y); break;
        case Kind::DoubleClick: core.doubleClick(); break;
        case Kind::Resize: core.resize(event.width, event.height); break;
        case Kind::BroadcastIn: core.broadcastIn(event.vk); break;
        // The socket is the platform's: it changes at once, even while a pause holds the window.
        case Kind::Connection: core.setConnected(event.open); break;
        case Kind::RecvFile:
        case Kind::Advance:
        case Kind::Clipboard: break;
    }
}

}  // namespace

void runScriptEvent(ClientCore& core, ScriptedDesktop& desktop, const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    if (event.kind == Kind::RecvFile || event.kind == Kind::Advance) return;
    // The clipboard, like the socket, changes at once and is no window event.
    if (event.kind == Kind::Clipboard) {
        desktop.setClipboard(event.bytes);
        return;
    }
    // A key press reports its own modifiers to whatever it posts.
    if (event.kind == Kind::KeyDown) desktop.setHeldModifiers(static_cast<uint16_t>(event.mask));
    callCore(core, event);
    desktop.setHeldModifiers(0);
    // Zero-delay work and whatever fell due at this same moment.
    core.poll();
}

void advanceCore(ClientCore& core, VirtualClock& clock, double targetMs) {
    std::optional<double> lastWake;
    int stalled = 0;
    for (;;) {
        const auto wake = core.nextWake();
        if (!wake || *wake > targetMs) break;
        if (lastWake && *wake <= *lastWake) {
            if (++stalled > kMaxStalledWakes) break;
        } else {
            stalled = 0;
        }
        lastWake = wake;
        clock.setNow(*wake);
        core.poll();
    }
    clock.setNow(targetMs);
    core.poll();
}

}  // namespace quorlak
