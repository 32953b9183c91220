#pragma once
// The main window's key handlers and the mode menus.

#include <cstdint>
#include <functional>

#include "input/key_items.h"
#include "input/key_sender.h"
#include "panels/panel_models.h"
#include "session/client_state.h"
#include "session/host.h"

namespace quorlak {

class Keyboard {
public:
    // Inventory lines expected after the bulk request: 6 pages of 14.
    static constexpr uint8_t kBulkPages = 6;
    static constexpr uint8_t kBulkItems = 84;

    struct Deps {
        ClientState& state;
        KeySender& sender;
        TextBoxModel& box;
        MenuModel& menus;
        LogModel& log;
        CoreHost& host;
        std::function<void()> restartKeepAlive;
        // A key-down for every client window, this one included, with the
        // modifiers held when the character was typed.
        std::function<void(int16_t vk, uint16_t heldMask)> broadcastKey;
    };
    explicit Keyboard(Deps deps) : d_(std::move(deps)) {}

    // The window's key-down handling, then the text entry box's when it has the focus.
    void keyDown(int16_t vk, int16_t mask);
    // The window's character handling; `heldMask` is the modifiers held as
    // the character was typed.
    void keyPress(int16_t ch, uint16_t heldMask);
    void menuTextbox();
    void menuDelay();
    void menuViewLog();
    void doubleClick();

private:
    void formKeyDown(int16_t vk, int16_t mask);
    void boxKeyDown(int16_t vk);
    void requestAllItems();
    Deps d_;
};

}  // namespace quorlak
