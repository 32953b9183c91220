#pragma once
// What the command line asks for: the start-up dialog, a direct connection,
// the built-in demo server, a recording played back, or the usage text.

#include <QString>
#include <QStringList>
#include <optional>

#include "wire/server_address.h"

namespace quorlak {

struct LaunchOptions {
    enum class Mode { Dialog, Connect, Demo, Play, Help, Error };
    Mode mode = Mode::Dialog;
    ServerAddress address;  // Connect only
    QString stateFile;      // a testing aid: keep the window's state in this file
    std::optional<int> zoom;
    QString recordFile;         // record the session into this file
    QString playFile;           // Play only: the recording
    double speed = 1;           // Play only
    bool traceStartup = false;  // say on standard error where the start-up time goes
    QString message;            // the usage text, or a one-line error
    int exitStatus = 0;         // for Help and Error: end the program with this
};

// args[0] is the program. With `ignoreUnknown`, options and words this parser
// does not know are skipped (they may be the toolkit's own, which it removes
// later); otherwise they are errors.
LaunchOptions parseCommandLine(const QStringList& args, bool ignoreUnknown = false);

QString usageText();

}  // namespace quorlak
