#include "input/keyboard.h"

#include "input/panel_actions.h"
#include "wire/key_items.h"
#include "wire/screen_layout.h"

namespace quorlak {

void Keyboard::keyDown(int16_t vk, int16_t mask) {
    formKeyDown(vk, mask);
    // The focused control sees the key after the window.
    const TextBoxModel& box = d_.entry.box();
    if (box.visible && box.focused) boxKeyDown(vk);
}

void Keyboard::requestAllItems() {
    d_.panels.reader().expectListLines(screen::kBulkPages * screen::kListPageLines);
    d_.panels.selectTab(1);
    for (int16_t page = 1; page <= screen::kBulkPages; ++page) {
        d_.sender.sendKey(vkey::F7, 0);
        d_.sender.sendKey(static_cast<int16_t>('0' + page), 0);
    }
}

void Keyboard::formKeyDown(int16_t key, int16_t mask) {
    if (key == vkey::I && mask == 2) requestAllItems();
    if (key == vkey::Shift || key == vkey::Control || key == vkey::Alt) return;

    const TextBoxModel& box = d_.entry.box();
    if (box.visible && (mask == 0 || mask == 1)) {
        // The box edits the text locally; only these keys reach the server.
        if (key == vkey::Enter) {
            d_.sender.sendText(box.text);
            d_.sender.sendKey(vkey::Enter, mask);
        } else if (key == vkey::Esc || key == vkey::PageUp || key == vkey::PageDown) {
            d_.sender.sendKey(key, mask);
            followListKey(key, mask);
        }
    } else {
        d_.sender.sendKey(key, mask);
        followListKey(key, mask);
    }
    // After the waits of the sending above, as the handler's last step.
    d_.sender.then(d_.restartKeepAlive);
}

void Keyboard::followListKey(int16_t key, int16_t mask) {
    // Paging goes through the pack.
    const int tab = key == vkey::PageUp || key == vkey::PageDown ? 1 : afterF7_ ? tabShownByListKey(key, mask) : 0;
    if (tab != 0) d_.panels.selectTab(tab);
    afterF7_ = key == vkey::F7 && mask == 0;
}

void Keyboard::characterWithoutKey(char32_t ch) {
    if (!d_.entry.box().visible) {
        refused_.last = ch;
        refused_.touch();
    }
    d_.restartKeepAlive();
}

void Keyboard::boxKeyDown(int16_t key) {
    if (key != vkey::Up && key != vkey::Down) return;
    d_.entry.moveBox(key == vkey::Up ? -1 : 1);
}

void Keyboard::keyPress(int16_t ch, uint16_t heldMask) {
    switch (ch) {
        case '`':
        case '~': d_.broadcastKey(vkey::F, heldMask); break;
        case ':': d_.broadcastKey(vkey::O, heldMask); break;
        case 22:  // Ctrl+V; a visible box pastes by itself
            if (!d_.entry.box().visible) d_.sender.sendText(d_.clipboardText());
            break;
        default: break;
    }
}

void Keyboard::toggleTextBoxMode() {
    modes_.textBox = !modes_.textBox;
    modes_.textBoxCaption = modes_.textBox ? "TEXTBOX" : "Textbox";
    modes_.touch();
}

void Keyboard::toggleDelayMode() {
    modes_.delay = !modes_.delay;
    modes_.delayCaption = modes_.delay ? "DELAY" : "Delay";
    modes_.touch();
}

void Keyboard::setDelay(bool on) {
    modes_.delay = on;
    modes_.touch();
}

void Keyboard::showLog() { d_.panels.showLog(); }

void Keyboard::toggleFrozen() {
    modes_.frozen = !modes_.frozen;
    modes_.touch();
}

}  // namespace quorlak
