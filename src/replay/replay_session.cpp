#include "replay/replay_session.h"

#include "replay/event_runner.h"
#include "replay/file_bytes.h"

namespace quorlak {

ReplaySession::ReplaySession(Pictures pictures, const QFont& font, int width, int height, size_t chunk)
    : ReplaySession(std::move(pictures), font, width, height, chunk, Canvas()) {}

ReplaySession::ReplaySession(Pictures pictures, const QFont& font, int width, int height, size_t chunk, Canvas&& reused)
    : core_(host_, clock_, std::move(reused)), chunk_(chunk) {
    core_.load(std::move(pictures), font);
    core_.setConnected(true);
    // The window is always first shown at its created size; another size is
    // a later resize, which leaves the panels alone when it is too short.
    core_.resize(kDefaultSize, kDefaultSize);
    if (width != kDefaultSize || height != kDefaultSize) core_.resize(width, height);
    core_.poll();
}

void ReplaySession::receiveFile(std::string bytes) {
    core_.receiveStream(std::make_shared<const std::string>(std::move(bytes)), chunk_);
    core_.poll();
}

bool ReplaySession::run(const ScriptEvent& event, std::string& error) {
    switch (event.kind) {
        case ScriptEvent::Kind::RecvFile: {
            auto bytes = readFileBytes(event.path, error);
            if (!bytes) return false;
            receiveFile(std::move(*bytes));
            return true;
        }
        case ScriptEvent::Kind::Advance: advance(event.ms); return true;
        default: runScriptEvent(core_, host_, event); return true;
    }
}

void ReplaySession::advance(double ms) { advanceCore(core_, clock_, clock_.nowMs() + ms); }

}  // namespace quorlak
