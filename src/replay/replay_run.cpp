#include "replay/replay_run.h"

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
        if (!loadScript(options.scriptPath, events, error)) return fail(err, error);
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
