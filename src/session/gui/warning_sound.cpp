#include "session/gui/warning_sound.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include "session/data_files.h"

namespace quorlak {

WarningSound::WarningSound() : file_(findDataFile(QStringLiteral("warning.wav"))) {
    if (file_.isEmpty()) return;
    for (const char* player : {"paplay", "pw-play", "aplay"}) {
        program_ = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!program_.isEmpty()) break;
    }
}

bool WarningSound::play() {
    if (sinceLast_.isValid() && sinceLast_.elapsed() < kMinIntervalMs) return false;
    sinceLast_.start();
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
