#pragma once
// The warning sound, played so that a normal desktop hears it: the platform
// bell is often silent, so a sound player on the PATH plays warning.wav when
// there is one, without waiting for it to finish.

#include <QString>
#include <optional>

#include "base/clock.h"

namespace quorlak {

class WarningSound {
public:
    // A server that makes the warning rise again and again gets one sound
    // per interval, not a process per line.
    static constexpr double kMinIntervalMs = 1000;

    explicit WarningSound(const Clock& clock);
    // Returns whether a sound was started.
    bool play();

    // The player found and its arguments; empty program = the platform bell.
    QString program() const { return program_; }
    QString file() const { return file_; }

private:
    const Clock& clock_;
    QString program_;
    QString file_;
    std::optional<double> lastPlayedMs_;
};

}  // namespace quorlak
