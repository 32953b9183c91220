#pragma once
// The parts of the desktop that a script sets instead of the player: the
// modifier keys held and the clipboard's text.

#include <cstdint>
#include <string>

namespace quorlak {

class ScriptedDesktop {
public:
    virtual ~ScriptedDesktop() = default;
    virtual void setHeldModifiers(uint16_t mask) = 0;
    virtual void setClipboard(std::string bytes) = 0;
};

}  // namespace quorlak
