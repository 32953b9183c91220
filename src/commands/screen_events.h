#pragma once
// What the record commands tell the layers above about the screen, in the
// manner of a terminal library's callbacks: the commands draw, the panels and
// the text entry box listen. Every call comes while a record is handled.

#include <string>

namespace quorlak {

// Where an input field opened: the entry box's corner and length in
// characters, and the marker's point.
struct InputFieldPlacement {
    int left = 0;
    int top = 0;
    int length = 0;  // 0..4095; 0 sets no limit
    int markerX = 0;
    int markerY = 0;
};

class ScreenEvents {
public:
    virtual ~ScreenEvents() = default;
    // A text line is about to be printed at the current point, once the game
    // screen has begun. The listener may change the line and the colours;
    // false keeps it off the display.
    virtual bool textLine(std::string& text) = 0;
    // A line record underlined encounter slot 1..4 (after the game screen began).
    virtual void slotUnderlined(int slot) = 0;
    // A small box marked the row of the list line read last.
    virtual void itemRowMarked() = 0;
    // The tab strip's row was cleared.
    virtual void tabStripCleared() = 0;
    // An encounter picture was drawn, and a clear from the encounter's end column ends it.
    virtual void encounterStarted() = 0;
    virtual void encounterEnded() = 0;
    // An input field opened at the current point, or went with what covered it.
    virtual void inputFieldOpened(const InputFieldPlacement& placement) = 0;
    virtual void inputFieldClosed() = 0;
};

}  // namespace quorlak
