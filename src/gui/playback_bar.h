#pragma once
// The controls of a playback in the status bar: pause and go on, the speed
// (half to eight times), and how far the recording has played. None takes
// the keyboard.

#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QToolButton;

namespace quorlak {

class Playback;

class PlaybackBar : public QWidget {
    Q_OBJECT
public:
    explicit PlaybackBar(Playback& playback, QWidget* parent = nullptr);

    QToolButton* pauseButton() const { return pause_; }
    QComboBox* speedBox() const { return speed_; }
    QProgressBar* progressBar() const { return progress_; }

private:
    void showProgress();
    void showPlaying(bool playing);

    Playback& playback_;
    QToolButton* pause_;
    QComboBox* speed_;
    QProgressBar* progress_;
    QLabel* time_;
};

// "m:ss" for a time in milliseconds (hours as "h:mm:ss").
QString playbackTime(double ms);

}  // namespace quorlak
