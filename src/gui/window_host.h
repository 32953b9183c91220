#pragma once
// The world as the window's core sees it: the socket, the desktop's key
// broadcast, the keyboard's modifiers, the clipboard and the item pop-up menu.

#include <functional>
#include <utility>

#include "base/clock.h"
#include "core/core_host.h"
#include "replay/scripted_desktop.h"

namespace quorlak {

// Each duty is handed to the window by a hook, so the host holds no widgets.
// While a recording plays, the modifiers and the clipboard are the script's.
class WindowHost : public CoreHost, public ScriptedDesktop {
public:
    struct Hooks {
        std::function<void(std::string_view)> write;
        std::function<void(int16_t)> broadcastKey;
        std::function<void()> showItemMenu;
    };
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    void write(std::string_view bytes) override;
    // The window plays the warning when the core's count of warnings rises;
    // this only notes that one is due, so one event never sounds twice.
    void beep() override { beepDue_ = true; }
    void broadcastKey(int16_t vk) override;
    uint16_t heldModifiers() const override;
    std::string clipboardText() const override;
    void showItemMenu() override;

    bool takeBeepDue() { return std::exchange(beepDue_, false); }

    // From now on the script, not the desktop, holds the modifiers and the clipboard.
    void useScriptedDesktop() { scripted_ = true; }
    void setHeldModifiers(uint16_t mask) override { scriptedModifiers_ = mask; }
    void setClipboard(std::string bytes) override { scriptedClipboard_ = std::move(bytes); }

private:
    Hooks hooks_;
    bool beepDue_ = false;
    bool scripted_ = false;
    uint16_t scriptedModifiers_ = 0;
    std::string scriptedClipboard_;
};

}  // namespace quorlak
