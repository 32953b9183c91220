#pragma once
// The main window's key handlers and the mode menus.

#include <cstdint>
#include <functional>

#include "input/key_sender.h"
#include "panels/panel_models.h"
#include "session/client_state.h"
#include "session/host.h"

namespace quorlak {

class Keyboard {
public:
    struct Deps {
        ClientState& state;
        KeySender& sender;
        TextBoxModel& box;
        MenuModel& menus;
        LogModel& log;
        CoreHost& host;
        std::function<void()> restartKeepAlive;
    };
    explicit Keyboard(Deps deps) : d_(std::move(deps)) {}

    // The window's key-down handling, then the text entry box's when it has the focus.
    void keyDown(int16_t vk, int16_t mask);
    // The window's character handling.
    void keyPress(int16_t ch);
    void menuTextbox();
    void menuDelay();
    void menuViewLog();
    void doubleClick();

private:
    void formKeyDown(int16_t vk, int16_t mask);
    void boxKeyDown(int16_t vk);
    Deps d_;
};

}  // namespace quorlak
