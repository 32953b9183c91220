// Feeds arbitrary server data through the whole client core, cut into
// chunks and interleaved with the clock moving on, as a hostile server could.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "canvas/data_files.h"
#include "core/client_core.h"
#include "fuzz_app.h"
#include "replay/replay_host.h"
#include "replay/virtual_clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quorlak::fuzz::app("stream-fuzz");
    static const quorlak::Pictures pictures = quorlak::loadPictures();
    static const QFont font = quorlak::loadTerminalFont();

    quorlak::ReplayHost host;
    quorlak::VirtualClock clock;
    auto core = std::make_unique<quorlak::ClientCore>(host, clock);
    core->load(pictures, font);
    core->setConnected(true);
    core->resize(quorlak::screen::kDisplaySize, quorlak::screen::kDisplaySize);

    // The first byte picks the chunk size; bytes 0xFE in the data also let the clock run.
    if (size == 0) return 0;
    const size_t chunk = 1 + data[0] % 64;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    while (!rest.empty()) {
        const std::string_view piece = rest.substr(0, chunk);
        rest.remove_prefix(piece.size());
        core->receive(piece);
        if (piece.find('\xfe') != std::string_view::npos) {
            clock.setNow(clock.nowMs() + 40000);
            core->poll();
        }
    }
    clock.setNow(clock.nowMs() + 100000);
    core->poll();
    return 0;
}
