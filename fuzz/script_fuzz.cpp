// Runs arbitrary bytes as a replay script: every line that reads as an event
// runs on one session, in order, with server data, keys, clicks and the clock
// all mixed as a player and a hostile server could mix them. The session is
// made anew for every input on the canvas of the one before; every
// kFreshCheckEvery inputs a new session must show the same.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "canvas/data_files.h"
#include "fuzz_app.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "replay/state_json.h"

namespace {

// Virtual time one input may use up: a few keep-alive ticks, not thousands.
constexpr double kAdvanceBudgetMs = 10 * 60 * 1000;
constexpr size_t kMaxEvents = 2000;
constexpr uint64_t kFreshCheckEvery = 512;

// Plays the script on the session and checks the client's own bounds.
void play(quorlak::ReplaySession& session, std::string_view script) {
    double budget = kAdvanceBudgetMs;
    size_t events = 0;
    while (!script.empty() && events < kMaxEvents) {
        const size_t eol = script.find('\n');
        const std::string_view line = script.substr(0, eol);
        script.remove_prefix(eol == std::string_view::npos ? script.size() : eol + 1);

        std::string error;
        auto event = quorlak::parseScriptLine(line, error);
        // Files are the tester's, not the server's: a path could name a device.
        if (!event || event->kind == quorlak::ScriptEvent::Kind::RecvFile) continue;
        if (event->kind == quorlak::ScriptEvent::Kind::Advance) {
            event->ms = std::min(event->ms, budget);
            budget -= event->ms;
        }
        session.run(*event, error);
        ++events;
    }
    session.advance(std::min(budget, 200000.0));

    // Whatever came in, the client's own bounds hold.
    const quorlak::ClientCore& core = session.core();
    if (core.unfinishedRecord().size() > quorlak::StreamFramer::kMaxTail) __builtin_trap();
    if (core.messages().rows.size() > quorlak::MessageGridModel::kMaxRows) __builtin_trap();
    if (core.log().text.size() > quorlak::LogModel::kMaxBytes) __builtin_trap();
    if (core.heldInputs() > quorlak::ClientCore::kMaxHeldInputs) __builtin_trap();
    if (!std::isfinite(core.canvas().currentX) || !std::isfinite(core.canvas().currentY)) __builtin_trap();

    // Writing the state touches every field the driver reports.
    const std::string json = quorlak::stateJson(core, session.host(), session.now());
    if (json.empty() || json.front() != '{') __builtin_trap();
}

std::string shown(const quorlak::ReplaySession& session) {
    return quorlak::stateJson(session.core(), session.host(), session.now()) + session.core().unfinishedRecord();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quorlak::fuzz::app("script-fuzz");
    static const quorlak::Pictures pictures = quorlak::loadPictures();
    static const QFont font = quorlak::loadTerminalFont();
    static std::optional<quorlak::ReplaySession> session;
    static uint64_t inputs = 0;

    // The first byte picks the chunk size files would be cut into.
    if (size == 0) return 0;
    const size_t chunk = data[0] % 17;
    const std::string_view script(reinterpret_cast<const char*>(data + 1), size - 1);

    std::optional<quorlak::Canvas> canvas;
    if (session) canvas.emplace(std::move(*session).takeCanvas());
    session.reset();
    if (canvas) session.emplace(pictures, font, 512, 512, chunk, std::move(*canvas));
    else session.emplace(pictures, font, 512, 512, chunk);
    play(*session, script);

    if (++inputs % kFreshCheckEvery == 0) {
        quorlak::ReplaySession fresh(pictures, font, 512, 512, chunk);
        play(fresh, script);
        if (fresh.core().canvas().image() != session->core().canvas().image() || shown(fresh) != shown(*session))
            __builtin_trap();
    }
    return 0;
}
