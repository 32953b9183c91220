#include "gui/window_host.h"

#include <QClipboard>
#include <QGuiApplication>

#include "base/cp1252.h"
#include "input/keymap.h"

namespace quorlak {

void WindowHost::write(std::string_view bytes) {
    if (hooks_.write) hooks_.write(bytes);
}

void WindowHost::broadcastKey(int16_t vk) {
    if (hooks_.broadcastKey) hooks_.broadcastKey(vk);
}

uint16_t WindowHost::heldModifiers() const {
    if (scripted_) return scriptedModifiers_;
    return static_cast<uint16_t>(modifierMask(QGuiApplication::queryKeyboardModifiers()));
}

std::string WindowHost::clipboardText() const {
    if (scripted_) return scriptedClipboard_;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? qstringToCp1252(clipboard->text()) : std::string();
}

void WindowHost::showItemMenu() {
    if (hooks_.showItemMenu) hooks_.showItemMenu();
}

}  // namespace quorlak
