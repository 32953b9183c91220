#pragma once
// The replay driver's command line.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <variant>

#include "wire/screen_layout.h"

namespace quorlak {

// The largest client area a replay can ask for (the desktop's 16-bit limit).
constexpr int kMaxClientSize = 32767;

struct ReplayOptions {
    size_t chunk = 0;  // 0: every stream file is one chunk
    int width = screen::kDisplaySize;
    int height = screen::kDisplaySize;
    QString pngPath;
    QString statePath;  // "-" is standard output
    QString scriptPath;
    QStringList streams;
    bool help = false;
};

// Arguments without the program name. A string is the one-line reason they are unusable.
std::variant<ReplayOptions, std::string> parseReplayArgs(const QStringList& args);

std::string replayUsage();

}  // namespace quorlak
