#include "input/keyboard.h"

#include <algorithm>
#include <climits>

namespace quorlak {

void Keyboard::keyDown(int16_t vk, int16_t mask) {
    formKeyDown(vk, mask);
    // The focused control sees the key after the window.
    if (d_.box.visible && d_.box.focused) boxKeyDown(vk);
}

void Keyboard::requestAllItems() {
    d_.state.itemsexpected = kBulkItems;
    for (int16_t page = 1; page <= kBulkPages; ++page) {
        d_.sender.sendkey(vkey::F7, 0);
        d_.sender.sendkey(static_cast<int16_t>('0' + page), 0);
    }
}

void Keyboard::formKeyDown(int16_t key, int16_t mask) {
    if (key == vkey::I && mask == 2) requestAllItems();
    if (key == vkey::Shift || key == vkey::Control || key == vkey::Alt) return;

    if (d_.box.visible && (mask == 0 || mask == 1)) {
        // The box edits the text locally; only these keys reach the server.
        if (key == vkey::Enter) {
            d_.sender.sendkeys(d_.box.text);
            d_.sender.sendkey(vkey::Enter, mask);
        } else if (key == vkey::Esc || key == vkey::PageUp || key == vkey::PageDown) {
            d_.sender.sendkey(key, mask);
        }
    } else {
        d_.sender.sendkey(key, mask);
    }
    // After the waits of the sending above, as the handler's last step.
    d_.sender.then(d_.restartKeepAlive);
}

void Keyboard::boxKeyDown(int16_t key) {
    if (key != vkey::Up && key != vkey::Down) return;
    auto& g = d_.box.geometry;
    const long long moved =
        key == vkey::Up ? static_cast<long long>(g.top) - g.height : static_cast<long long>(g.top) + g.height;
    // No bounds on purpose; only the integer's own range.
    g.top = static_cast<int>(std::clamp<long long>(moved, INT_MIN, INT_MAX));
    d_.box.touch();
}

void Keyboard::keyPress(int16_t ch, uint16_t heldMask) {
    switch (ch) {
        case '`':
        case '~': d_.broadcastKey(vkey::F, heldMask); break;
        case ':': d_.broadcastKey(vkey::O, heldMask); break;
        case 22:  // Ctrl+V; a visible box pastes by itself
            if (!d_.box.visible) d_.sender.sendkeys(d_.host.clipboardText());
            break;
        default: break;
    }
}

void Keyboard::menuTextbox() {
    d_.state.textboxmode = !d_.state.textboxmode;
    d_.menus.mnutextbox = d_.state.textboxmode ? "TEXTBOX" : "Textbox";
    d_.menus.touch();
}

void Keyboard::menuDelay() {
    d_.state.delaymode = !d_.state.delaymode;
    d_.menus.mnudelay = d_.state.delaymode ? "DELAY" : "Delay";
    d_.menus.touch();
}

void Keyboard::menuViewLog() {
    d_.log.exists = true;
    d_.log.visible = true;
    d_.log.touch();
}

void Keyboard::doubleClick() { d_.state.frozen = !d_.state.frozen; }

}  // namespace quorlak
