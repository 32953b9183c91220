#pragma once
// The world as the window's core sees it: the socket, the desktop's key
// broadcast, the keyboard's modifiers, the clipboard, the item pop-up menu,
// and a clock that only moves forward.

#include <QElapsedTimer>
#include <functional>
#include <utility>

#include "base/clock.h"
#include "core/core_host.h"

namespace quorlak {

class MonotonicClock : public Clock {
public:
    MonotonicClock() { timer_.start(); }
    double nowMs() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e6; }

private:
    QElapsedTimer timer_;
};

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
