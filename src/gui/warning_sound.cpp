#include "gui/warning_sound.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include "canvas/data_files.h"

namespace quorlak {

WarningSound::WarningSound(const Clock& clock) : clock_(clock), file_(findDataFile(QStringLiteral("warning.wav"))) {
    if (file_.isEmpty()) return;
    for (const char* player : {"paplay", "pw-play", "aplay"}) {
        program_ = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!program_.isEmpty()) break;
    }
}

bool WarningSound::play() {
    const double now = clock_.nowMs();
    if (lastPlayedMs_ && now - *lastPlayedMs_ < kMinIntervalMs) return false;
    lastPlayedMs_ = now;
    if (!program_.isEmpty()) {
        QStringList args;
        if (program_.endsWith(QLatin1String("aplay"))) args << QStringLiteral("-q");
        args << file_;
        if (QProcess::startDetached(program_, args)) return true;
    }
    QApplication::beep();
    return true;
}

}  // namespace quorlak
