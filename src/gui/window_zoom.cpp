#include "gui/window_zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <algorithm>

#include "gui/settings.h"

namespace quorlak {

WindowZoom::WindowZoom(Settings& settings, int initialZoom, QObject* parent)
    : QObject(parent), settings_(settings), zoom_(std::clamp(initialZoom, Settings::kMinZoom, Settings::kMaxZoom)) {}

void WindowZoom::addTo(QMenu& menu) {
    auto* group = new QActionGroup(this);
    for (int zoom = Settings::kMinZoom; zoom <= Settings::kMaxZoom; ++zoom) {
        // No access key: every key belongs to the game.
        QAction* action = menu.addAction(QStringLiteral("Zoom %1\u00d7").arg(zoom));
        action->setObjectName(QStringLiteral("zoom%1").arg(zoom));
        action->setCheckable(true);
        action->setChecked(zoom == zoom_);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, zoom] { setZoom(zoom); });
        actions_[static_cast<size_t>(zoom - Settings::kMinZoom)] = action;
    }
}

QAction* WindowZoom::action(int zoom) const {
    if (zoom < Settings::kMinZoom || zoom > Settings::kMaxZoom) return nullptr;
    return actions_[static_cast<size_t>(zoom - Settings::kMinZoom)];
}

void WindowZoom::setZoom(int zoom, bool remember) {
    zoom = std::clamp(zoom, Settings::kMinZoom, Settings::kMaxZoom);
    if (remember) settings_.setZoom(zoom);
    if (QAction* a = action(zoom)) a->setChecked(true);
    if (zoom == zoom_) return;
    zoom_ = zoom;
    emit zoomChanged(zoom);
}

void WindowZoom::wheel(int angleDelta) {
    wheelRest_ += angleDelta;
    const int steps = wheelRest_ / kWheelNotch;
    if (steps == 0) return;
    wheelRest_ -= steps * kWheelNotch;
    setZoom(zoom_ + steps);
}

}  // namespace quorlak
