#include "gui/playback.h"

#include <algorithm>

#include "core/client_core.h"
#include "replay/event_runner.h"
#include "replay/file_bytes.h"

namespace quorlak {

Playback::Playback(std::vector<ScriptEvent> events, ClientCore& core, VirtualClock& clock, ScriptedDesktop& desktop,
                   QObject* parent)
    : QObject(parent), events_(std::move(events)), core_(core), clock_(clock), desktop_(desktop) {
    for (const ScriptEvent& ev : events_)
        if (ev.kind == ScriptEvent::Kind::Advance) duration_ += ev.ms;
    eventAt_ = clock_.nowMs();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &Playback::catchUp);
}

void Playback::reanchor() {
    anchorMs_ = clock_.nowMs();
    sinceAnchor_.start();
}

void Playback::play() {
    if (playing() || finished()) return;
    reanchor();
    timer_.start();
    emit playingChanged(true);
}

void Playback::pause() {
    if (!playing()) return;
    timer_.stop();
    emit playingChanged(false);
}

void Playback::setSpeed(double speed) {
    if (playing()) catchUp();
    speed_ = std::clamp(speed, kMinSpeed, kMaxSpeed);
    reanchor();
}

void Playback::runToEnd() {
    while (!finished()) runUntil(eventAt_ + duration_ + 1, kMaxEventsPerTick);
    if (show_) show_();
    pause();
    emit progressed();
    emit ended();
}

void Playback::catchUp() {
    const double target = anchorMs_ + static_cast<double>(sinceAnchor_.nsecsElapsed()) / 1e6 * speed_;
    // Behind after a burst: go on from where it stopped, not jump ahead.
    if (!runUntil(target, kMaxEventsPerTick)) reanchor();
    if (show_) show_();
    emit progressed();
    if (finished()) {
        pause();
        emit ended();
    }
}

bool Playback::runUntil(double targetMs, int maxEvents) {
    for (int ran = 0; next_ < events_.size(); ++ran) {
        if (ran == maxEvents) return false;
        const ScriptEvent& ev = events_[next_];
        if (ev.kind == ScriptEvent::Kind::Advance) {
            const double end = eventAt_ + ev.ms;
            if (end > targetMs) {
                advanceCore(core_, clock_, std::max(clock_.nowMs(), targetMs));
                return true;
            }
            advanceCore(core_, clock_, end);
            eventAt_ = end;
        } else {
            runEvent(ev);
        }
        ++next_;
    }
    return true;
}

void Playback::runEvent(const ScriptEvent& event) {
    if (event.kind != ScriptEvent::Kind::RecvFile) {
        runScriptEvent(core_, desktop_, event);
        return;
    }
    // A file that cannot be read is left out; the rest plays on.
    std::string error;
    if (auto bytes = readFileBytes(event.path, error)) {
        core_.receiveStream(std::make_shared<const std::string>(std::move(*bytes)), 0);
        core_.poll();
    }
}

}  // namespace quorlak
