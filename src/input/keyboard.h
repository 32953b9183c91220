#pragma once
// The main window's key handlers and the three input modes: text box input,
// DELAY (pause records are honoured) and freeze (received data is dropped).

#include <cstdint>
#include <functional>
#include <string>

#include "input/key_sender.h"
#include "input/text_entry.h"
#include "panels/panel_models.h"
#include "panels/side_panels.h"

namespace quorlak {

// The modes and the captions of their menu items. A caption keeps its
// access key until the player first switches the mode.
struct InputModes : Revisioned {
    bool textBox = false;
    bool delay = false;  // switched on by the load step
    bool frozen = false;
    std::string textBoxCaption = "&Textbox";
    std::string delayCaption = "&DELAY";
};

// Characters typed that no key item can carry, for the window to say so.
struct RefusedCharacters : Revisioned {
    char32_t last = 0;
};

class Keyboard {
public:
    // The caption of the menu item that shows the encounter log.
    static constexpr const char* kViewLogCaption = "view &log";

    struct Deps {
        KeySender& sender;
        TextEntry& entry;
        SidePanels& panels;
        // Clipboard text as Windows-1252 bytes.
        std::function<std::string()> clipboardText;
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
    // A character typed that no US key types: the text box takes it as text;
    // otherwise nothing can carry it, and the player is told.
    void characterWithoutKey(char32_t ch);
    void toggleTextBoxMode();
    void toggleDelayMode();
    void showLog();
    // A double-click on the display freezes it, or thaws it.
    void toggleFrozen();
    // The load step switches DELAY on.
    void setDelay(bool on);

    const InputModes& modes() const { return modes_; }
    const RefusedCharacters& refused() const { return refused_; }

private:
    void formKeyDown(int16_t vk, int16_t mask);
    // The list screen a key sent after F7 asks for shows in the tab strip.
    void followListKey(int16_t vk, int16_t mask);
    void boxKeyDown(int16_t vk);
    void requestAllItems();
    Deps d_;
    InputModes modes_;
    RefusedCharacters refused_;
    bool afterF7_ = false;
};

}  // namespace quorlak
