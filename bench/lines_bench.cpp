// A million lines into the message grid, or into the encounter log, through
// the client core: the cost per line must not grow with the lines held.

#include <memory>
#include <string>

#include "bench_parts.h"
#include "bench_support.h"
#include "core/client_core.h"

namespace quorlak::bench {
namespace {

constexpr size_t kBatch = 1000;  // lines per received chunk

// One custom character: the game screen has begun, so lines are read.
const std::string kScreenBegins = std::string("cd01 ") + std::string(16 * 33, '1') + '\x1f';

void appendLine(std::string& out, LineSink sink, size_t n) {
    const std::string number = std::to_string(n);
    if (sink == LineSink::Messages) {
        // Told apart by their number, so none is taken for a line redrawn.
        if (n % 3 == 0) out += "lc(8,488)\x1fpt' 'Ann says: meet me at the shrine, round " + number + "'\x1f";
        else out += "lc(8,472)\x1fpt' G Ann                   the vault door is open again " + number + "'\x1f";
    } else {
        out += "lc(16,150)\x1fpt' The Ice Troll strikes Joe for 7 damage, blow " + number + "'\x1f";
    }
}

}  // namespace

LinesResult measureLines(LineSink sink, size_t lines) {
    NullHost host;
    StillClock clock;
    auto core = std::make_unique<ClientCore>(host, clock);
    core->load(assets().pictures, assets().font);
    core->setConnected(true);
    core->resize(screen::kDisplaySize, screen::kDisplaySize);
    core->menu(MenuItem::DelayMode);
    core->receive(kScreenBegins);
    if (sink == LineSink::Log)
        core->receive(
            "lc(16,100)\x1f"
            "cw22\x1f");  // an encounter starts the log

    LinesResult result;
    result.lines = lines;
    result.startMiB = peakMemoryMiB();
    const size_t window = std::min<size_t>(100000, std::max<size_t>(lines / 10, kBatch));
    double firstSeconds = 0, lastSeconds = 0;
    size_t firstLines = 0, lastLines = 0;
    std::string chunk;
    for (size_t done = 0; done < lines;) {
        chunk.clear();
        const size_t batch = std::min(kBatch, lines - done);
        for (size_t i = 0; i < batch; ++i) appendLine(chunk, sink, done + i);
        const double start = cpuSeconds();
        core->receive(chunk);
        const double seconds = cpuSeconds() - start;
        if (done < window) {
            firstSeconds += seconds;
            firstLines += batch;
        }
        if (done + batch > lines - window) {
            lastSeconds += seconds;
            lastLines += batch;
        }
        done += batch;
    }
    result.firstUsPerLine = firstSeconds * 1e6 / double(std::max<size_t>(firstLines, 1));
    result.lastUsPerLine = lastSeconds * 1e6 / double(std::max<size_t>(lastLines, 1));
    result.peakMiB = peakMemoryMiB();
    result.kept = sink == LineSink::Messages ? core->messages().rows.size() : core->log().text.size();
    return result;
}

}  // namespace quorlak::bench
