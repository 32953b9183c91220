// PLACEHOLDER: replaced by the input implementation.
#include "input/keyboard.h"
namespace quorlak {
void Keyboard::keyDown(int16_t, int16_t) {}
void Keyboard::keyPress(int16_t) {}
void Keyboard::menuTextbox() {}
void Keyboard::menuDelay() { d_.state.delaymode = !d_.state.delaymode; }
void Keyboard::menuViewLog() {}
void Keyboard::doubleClick() { d_.state.frozen = !d_.state.frozen; }
void Keyboard::formKeyDown(int16_t, int16_t) {}
void Keyboard::boxKeyDown(int16_t) {}
}  // namespace quorlak
