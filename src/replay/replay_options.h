#pragma once
// The replay driver's command line.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <variant>

namespace quorlak {

struct ReplayOptions {
    size_t chunk = 0;  // 0: every stream file is one chunk
    int width = 512;
    int height = 512;
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
