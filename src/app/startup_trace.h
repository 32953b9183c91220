#pragma once
// With --trace-startup the client says on standard error where its start-up
// time goes, in milliseconds since main() began: the toolkit loaded, the
// window made, and the first frame on screen. A benchmark that launches the
// client reads these lines; the time before main() (loading the libraries)
// is what its own clock sees beyond them.

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace quorlak {

class StartupTrace : public QObject {
public:
    // The clock starts here: make the trace first thing in main().
    StartupTrace() { clock_.start(); }

    void setEnabled(bool enabled) { enabled_ = enabled; }
    // One line: "quorlak: startup MILESTONE MS".
    void mark(const char* milestone) const;
    // Marks "first-frame" once `widget` has painted for the first time and
    // that frame has gone to the screen.
    void watchFirstFrame(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock_;
    bool enabled_ = false;
};

}  // namespace quorlak
