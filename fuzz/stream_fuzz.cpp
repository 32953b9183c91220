// Feeds arbitrary server data through the whole client core, as a hostile
// server could send it: cut into chunks of lengths the input's first bytes
// choose, run in turns of a few records when the input asks for it, with the
// clock moving on where the data holds the byte 0xFE.
//
// What must hold for every input: the client's own bounds; run in turns, the
// data gives exactly what it gives with each chunk run at once; and a core
// reused from earlier inputs gives what a new one gives (checked every
// kFreshCheckEvery inputs).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core_rig.h"
#include "fuzz_app.h"

namespace {

using quorlak::ClientCore;
using quorlak::fuzz::CoreRig;
using quorlak::fuzz::RecordCountBudget;

constexpr size_t kCutBytes = 4;  // chunk lengths, used in turn; 0 takes the rest at once
// Then one byte for the turns: up to kWholeChunks each chunk runs at once,
// above it a turn runs (byte - kWholeChunks) records.
constexpr size_t kLeadBytes = kCutBytes + 1;
constexpr int kWholeChunks = 127;
constexpr char kClockByte = '\xfe';
constexpr double kClockStepMs = 40000;
constexpr double kFinalStepMs = 100000;
constexpr uint64_t kFreshCheckEvery = 512;

struct Input {
    unsigned char cuts[kCutBytes];
    int recordsPerTurn;  // 0: whole chunks
    std::string_view stream;
};

// Runs every record the core has left for later turns, one turn after
// another as the window does.
void settle(ClientCore& core) {
    while (core.recordsWaiting()) core.runWaitingRecords();
}

void letClockRun(CoreRig& rig, double ms) {
    ClientCore& core = rig.core();
    rig.clock().setNow(rig.clock().nowMs() + ms);
    core.poll();
    settle(core);
    // The timers that waited for a pause's records, as the window's next wake-up runs them.
    core.poll();
}

void play(CoreRig& rig, const Input& in, int recordsPerTurn) {
    RecordCountBudget budget(recordsPerTurn);
    ClientCore& core = rig.restart(recordsPerTurn ? &budget : nullptr);
    std::string_view rest = in.stream;
    for (size_t n = 0; !rest.empty(); ++n) {
        const size_t cut = in.cuts[n % kCutBytes];
        const std::string_view piece = cut == 0 ? rest : rest.substr(0, cut);
        rest.remove_prefix(piece.size());
        core.receive(piece);
        settle(core);
        if (piece.find(kClockByte) != std::string_view::npos) letClockRun(rig, kClockStepMs);
    }
    letClockRun(rig, kFinalStepMs);
    core.setTurnBudget(nullptr);

    // Whatever came in, the client's own bounds hold.
    if (core.unfinishedRecord().size() > quorlak::StreamFramer::kMaxTail) __builtin_trap();
    if (core.messages().rows.size() > quorlak::MessageGridModel::kMaxRows) __builtin_trap();
    if (core.log().text.size() > quorlak::LogModel::kMaxBytes) __builtin_trap();
    if (!std::isfinite(core.canvas().currentX) || !std::isfinite(core.canvas().currentY)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quorlak::fuzz::app("stream-fuzz");
    if (size < kLeadBytes) return 0;
    Input in{};
    for (size_t i = 0; i < kCutBytes; ++i) in.cuts[i] = data[i];
    in.recordsPerTurn = data[kCutBytes] > kWholeChunks ? data[kCutBytes] - kWholeChunks : 0;
    in.stream = std::string_view(reinterpret_cast<const char*>(data + kLeadBytes), size - kLeadBytes);

    static CoreRig atOnce, inTurns;
    static uint64_t inputs = 0;
    play(atOnce, in, 0);
    if (in.recordsPerTurn != 0) {
        play(inTurns, in, in.recordsPerTurn);
        if (!inTurns.showsTheSameAs(atOnce)) __builtin_trap();
    }
    if (++inputs % kFreshCheckEvery == 0) {
        CoreRig fresh;
        play(fresh, in, 0);
        if (!fresh.showsTheSameAs(atOnce)) __builtin_trap();
    }
    return 0;
}
