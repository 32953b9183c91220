#pragma once
// The zoom the player picks: View -> Zoom 1x to 4x, or Ctrl with the mouse
// wheel. It is remembered in the settings; neither way takes a key.

#include <QObject>
#include <array>

class QAction;
class QMenu;

namespace quorlak {

class Settings;

class WindowZoom : public QObject {
    Q_OBJECT
public:
    // One notch of a common mouse wheel.
    static constexpr int kWheelNotch = 120;

    WindowZoom(Settings& settings, int initialZoom, QObject* parent = nullptr);

    int zoom() const { return zoom_; }
    // Adds the zoom items to `menu`.
    void addTo(QMenu& menu);
    // Picks a zoom (clamped to 1..4), and remembers it unless told not to.
    void setZoom(int zoom, bool remember = true);
    // Ctrl with the wheel: each notch forward zooms in one step, backward out.
    void wheel(int angleDelta);
    QAction* action(int zoom) const;

signals:
    void zoomChanged(int zoom);

private:
    Settings& settings_;
    int zoom_;
    int wheelRest_ = 0;  // part of a notch left over (smooth wheels send less)
    std::array<QAction*, 4> actions_{};
};

}  // namespace quorlak
