#include "gui/playback_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <cmath>

#include "gui/playback.h"

namespace quorlak {

namespace {

constexpr int kProgressSteps = 1000;
constexpr double kSpeeds[] = {0.5, 1, 2, 4, 8};

QString speedCaption(double speed) {
    return speed == 0.5 ? QStringLiteral("\u00bd\u00d7") : QStringLiteral("%1\u00d7").arg(speed);
}

}  // namespace

QString playbackTime(double ms) {
    const auto seconds = static_cast<long long>(std::max(0.0, ms) / 1000);
    const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    const QString ss = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h == 0) return QStringLiteral("%1:%2").arg(m).arg(ss);
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
}

PlaybackBar::PlaybackBar(Playback& playback, QWidget* parent)
    : QWidget(parent),
      playback_(playback),
      pause_(new QToolButton(this)),
      speed_(new QComboBox(this)),
      progress_(new QProgressBar(this)),
      time_(new QLabel(this)) {
    setObjectName(QStringLiteral("playbackBar"));
    pause_->setObjectName(QStringLiteral("playbackPause"));
    speed_->setObjectName(QStringLiteral("playbackSpeed"));
    progress_->setObjectName(QStringLiteral("playbackProgress"));
    for (QWidget* w : {static_cast<QWidget*>(pause_), static_cast<QWidget*>(speed_)}) w->setFocusPolicy(Qt::NoFocus);
    for (const double s : kSpeeds) speed_->addItem(speedCaption(s), s);
    if (speed_->findData(playback.speed()) < 0) speed_->addItem(speedCaption(playback.speed()), playback.speed());
    speed_->setCurrentIndex(speed_->findData(playback.speed()));
    progress_->setRange(0, kProgressSteps);
    progress_->setTextVisible(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pause_);
    layout->addWidget(speed_);
    layout->addWidget(progress_, 1);
    layout->addWidget(time_);

    connect(pause_, &QToolButton::clicked, this, [this] {
        if (playback_.playing()) playback_.pause();
        else playback_.play();
    });
    connect(speed_, &QComboBox::activated, this,
            [this](int index) { playback_.setSpeed(speed_->itemData(index).toDouble()); });
    connect(&playback_, &Playback::progressed, this, &PlaybackBar::showProgress);
    connect(&playback_, &Playback::playingChanged, this, &PlaybackBar::showPlaying);
    showPlaying(playback.playing());
    showProgress();
}

void PlaybackBar::showPlaying(bool playing) {
    pause_->setText(playing ? QStringLiteral("Pause") : QStringLiteral("Play"));
    pause_->setEnabled(playing || !playback_.finished());
}

void PlaybackBar::showProgress() {
    const double total = playback_.duration();
    const double at = std::min(playback_.position(), total);
    const int step =
        total > 0 ? static_cast<int>(at / total * kProgressSteps) : (playback_.finished() ? kProgressSteps : 0);
    progress_->setValue(playback_.finished() ? kProgressSteps : step);
    time_->setText(playbackTime(at) + QStringLiteral(" / ") + playbackTime(total));
}

}  // namespace quorlak
