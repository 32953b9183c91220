#include "app/startup_trace.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace quorlak {

void StartupTrace::mark(const char* milestone) const {
    if (!enabled_) return;
    std::fprintf(stderr, "quorlak: startup %s %.1f\n", milestone, double(clock_.nsecsElapsed()) / 1e6);
    std::fflush(stderr);
}

void StartupTrace::watchFirstFrame(QWidget* widget) {
    if (enabled_ && widget) widget->installEventFilter(this);
}

bool StartupTrace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The frame is painted and flushed in the same pass of the event
        // loop; the next pass comes after it.
        QTimer::singleShot(0, this, [this] { mark("first-frame"); });
    }
    return false;
}

}  // namespace quorlak
