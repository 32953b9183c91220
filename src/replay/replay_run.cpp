#include "replay/replay_run.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "canvas/data_files.h"
#include "replay/file_bytes.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "replay/state_json.h"

namespace quorlak {

namespace {

int fail(std::ostream& err, const std::string& why) {
    err << "quorlak-replay: " << why << '\n';
    return kReplayUnusable;
}

// A relative recv_file names a file in the current directory, or failing
// that beside the script, so that a script and its data travel together.
void resolveRecvFiles(std::vector<ScriptEvent>& events, const QString& scriptPath) {
    const QDir scriptDir = QFileInfo(scriptPath).absoluteDir();
    for (auto& ev : events) {
        if (ev.kind != ScriptEvent::Kind::RecvFile || QFileInfo(ev.path).isAbsolute() || QFileInfo::exists(ev.path))
            continue;
        const QString besideScript = scriptDir.filePath(ev.path);
        if (QFileInfo::exists(besideScript)) ev.path = besideScript;
    }
}

bool writeState(const QString& path, const std::string& json, std::string& error) {
    if (path != QLatin1String("-")) return writeFileBytes(path, json, error);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
        error = "cannot write the state to standard output";
        return false;
    }
    return true;
}

}  // namespace

int runReplay(const ReplayOptions& options, std::ostream& err) {
    std::string error;

    // Every input is read and checked before anything runs.
    std::vector<std::string> streams;
    for (const QString& path : options.streams) {
        auto bytes = readFileBytes(path, error);
        if (!bytes) return fail(err, error);
        streams.push_back(std::move(*bytes));
    }
    std::vector<ScriptEvent> events;
    if (!options.scriptPath.isEmpty()) {
        const auto script = readFileBytes(options.scriptPath, error);
        if (!script) return fail(err, error);
        if (!parseScript(*script, events, error)) return fail(err, options.scriptPath.toStdString() + " " + error);
        resolveRecvFiles(events, options.scriptPath);
    }

    ReplaySession session(loadPictures(), loadTerminalFont(), options.width, options.height, options.chunk);
    for (auto& bytes : streams) session.receiveFile(std::move(bytes));
    for (const auto& ev : events) {
        if (!session.run(ev, error))
            return fail(err, options.scriptPath.toStdString() + " line " + std::to_string(ev.line) + ": " + error);
    }

    if (!options.pngPath.isEmpty() && !session.core().canvas().image().save(options.pngPath, "PNG"))
        return fail(err, "cannot write " + options.pngPath.toStdString());
    if (!options.statePath.isEmpty() &&
        !writeState(options.statePath, stateJson(session.core(), session.host(), session.now()), error))
        return fail(err, error);
    return kReplayOk;
}

}  // namespace quorlak
