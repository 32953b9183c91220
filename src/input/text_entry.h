#pragma once
// The text entry box that an input field opens in text box mode, and which
// control holds the keyboard.

#include <string>

#include "commands/screen_events.h"
#include "panels/panel_models.h"

namespace quorlak {

struct TextBoxModel : Revisioned {
    bool visible = false;
    Geometry geometry{128, 136, 81, 18};
    int maxlength = 0;  // 0 = no limit
    std::string text;   // Windows-1252 bytes
    bool focused = false;
};

// The controls that can hold the keyboard.
enum class FocusHolder { None, FocusSink, TextBox, ItemGrid, MessageGrid, TabStrip };

class TextEntry {
public:
    // An input field opened: the box goes beside its marker, emptied, and is
    // shown with the keyboard in text box mode.
    void fieldOpened(const InputFieldPlacement& placement, bool textBoxMode);
    // The field went: a hidden box cannot keep the keyboard.
    void fieldClosed();
    // The player edited the box.
    void setText(std::string text);
    // Moves the box by its own height, up (-1) or down (+1); no bounds but the integer's range.
    void moveBox(int direction);

    // A control received the keyboard focus. The grids and the tab strip hand
    // it on to the focus sink at once, so keys stay the window's.
    void focusEntered(FocusHolder holder);
    // The box lost the keyboard to something outside the window.
    void focusLeftBox();
    FocusHolder keyboardFocus() const {
        // The input field opens the box with the keyboard, and takes it along when it closes.
        if (box_.focused) return FocusHolder::TextBox;
        return focus_ == FocusHolder::TextBox ? FocusHolder::None : focus_;
    }

    const TextBoxModel& box() const { return box_; }

private:
    TextBoxModel box_;
    FocusHolder focus_ = FocusHolder::FocusSink;
};

}  // namespace quorlak
