#pragma once
// What the client core needs from the world around it. The window implements
// this with a socket and the desktop; the replay driver with plain records of
// what happened.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorlak {

class CoreHost {
public:
    virtual ~CoreHost() = default;
    // One write to the server (called only while connected).
    virtual void write(std::string_view bytes) = 0;
    // The warning sound.
    virtual void beep() = 0;
    // Post a key-down with this virtual-key code to every other client
    // window; the core runs this window's own copy itself.
    virtual void broadcastKey(int16_t vk) = 0;
    // Modifier mask (1 Shift, 2 Ctrl, 4 Alt) held right now.
    virtual uint16_t heldModifiers() const = 0;
    // Clipboard text as Windows-1252 bytes.
    virtual std::string clipboardText() const = 0;
    // The pop-up menu of item actions at the pointer; the choice comes back
    // later as a menu event.
    virtual void showItemMenu() = 0;
};

}  // namespace quorlak
