#pragma once
// Plays a recorded session in the window at its own pace: the script's
// events run on the core as the replay driver runs them, on a virtual clock
// that follows the real one at the chosen speed and stops while paused.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

#include "replay/script.h"
#include "replay/scripted_desktop.h"
#include "replay/virtual_clock.h"

namespace quorlak {

class ClientCore;

class Playback : public QObject {
    Q_OBJECT
public:
    static constexpr double kMinSpeed = 0.5;
    static constexpr double kMaxSpeed = 8;
    // How often the window catches up with the recording.
    static constexpr int kTickMs = 15;
    // Events run in one catch-up at most, so the window stays live in a burst.
    static constexpr int kMaxEventsPerTick = 2000;

    Playback(std::vector<ScriptEvent> events, ClientCore& core, VirtualClock& clock, ScriptedDesktop& desktop,
             QObject* parent = nullptr);

    // Called after every catch-up that ran something, to show it.
    void setShow(std::function<void()> show) { show_ = std::move(show); }

    void play();
    void pause();
    bool playing() const { return timer_.isActive(); }
    // Clamped to kMinSpeed..kMaxSpeed.
    void setSpeed(double speed);
    double speed() const { return speed_; }
    // Runs every event left at once.
    void runToEnd();

    // Where the recording stands, in its own milliseconds.
    double position() const { return clock_.nowMs(); }
    double duration() const { return duration_; }
    bool finished() const { return next_ == events_.size(); }

signals:
    void progressed();
    void playingChanged(bool playing);
    void ended();

private:
    void catchUp();
    // Runs events and waits up to `targetMs`; false when it stopped early.
    bool runUntil(double targetMs, int maxEvents);
    void runEvent(const ScriptEvent& event);
    void reanchor();

    std::vector<ScriptEvent> events_;
    ClientCore& core_;
    VirtualClock& clock_;
    ScriptedDesktop& desktop_;
    std::function<void()> show_;
    size_t next_ = 0;
    double eventAt_ = 0;  // the time the next event runs at, once its waits are done
    double duration_ = 0;
    double speed_ = 1;
    QTimer timer_;
    QElapsedTimer sinceAnchor_;
    double anchorMs_ = 0;  // the recording's time when sinceAnchor_ started
};

}  // namespace quorlak
