#pragma once
// The warning sound, played so that a normal desktop hears it: the platform
// bell is often silent, so a sound player on the PATH plays warning.wav when
// there is one, without waiting for it to finish.

#include <QElapsedTimer>
#include <QString>

namespace quorlak {

class WarningSound {
public:
    // A server that makes the warning rise again and again gets one sound
    // per interval, not a process per line.
    static constexpr qint64 kMinIntervalMs = 1000;

    WarningSound();
    // Returns whether a sound was started.
    bool play();

    // The player found and its arguments; empty program = the platform bell.
    QString program() const { return program_; }
    QString file() const { return file_; }

private:
    QString program_;
    QString file_;
    QElapsedTimer sinceLast_;
};

}  // namespace quorlak
