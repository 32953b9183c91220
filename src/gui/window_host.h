#pragma once
// The world as the window's core sees it: the socket, the desktop's key
// broadcast, the keyboard's modifiers, the clipboard and the item pop-up menu.

#include <functional>
#include <utility>

#include "base/clock.h"
#include "core/core_host.h"

namespace quorlak {

// Each duty is handed to the window by a hook, so the host holds no widgets.
class WindowHost : public CoreHost {
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

private:
    Hooks hooks_;
    bool beepDue_ = false;
};

}  // namespace quorlak
