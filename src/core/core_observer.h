#pragma once
// Sees each event the core is given as it arrives, before a pause may hold
// it, so that a session can be written down and run again. It only listens.

#include <cstdint>
#include <string_view>

#include "core/menu_item.h"

namespace quorlak {

class CoreObserver {
public:
    virtual ~CoreObserver() = default;
    virtual void received(std::string_view chunk) = 0;
    virtual void keyDown(int16_t vk, int16_t mask) = 0;
    virtual void keyPress(int16_t ch) = 0;
    virtual void boxTextSet(std::string_view text) = 0;
    virtual void menuChosen(MenuItem item) = 0;
    virtual void doubleClicked() = 0;
    virtual void resized(int w, int h) = 0;
    virtual void pointerOverForm() = 0;
    virtual void pointerOverItems(int yTwips) = 0;
    virtual void itemsPressed(int button, int yTwips) = 0;
    virtual void tabsPressed(int button) = 0;
    virtual void itemSelected(int row) = 0;
    virtual void messageSelected(int64_t row) = 0;
    virtual void itemsScrolled(int toprow) = 0;
    virtual void tabClicked(int index) = 0;
    virtual void broadcastReceived(int16_t vk) = 0;
    virtual void connectionChanged(bool connected) = 0;
    // The stream starts again on a new connection: what the old one left is gone.
    virtual void streamRestarted() = 0;
};

}  // namespace quorlak
