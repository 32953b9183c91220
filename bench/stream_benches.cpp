// Framing, the whole pipeline, chunking and latency on the reference stream.
// Throughput is timed in CPU time, latency in wall time.

#include <cstring>
#include <memory>

#include "bench_parts.h"
#include "bench_support.h"
#include "commands/record_commands.h"
#include "core/client_core.h"
#include "draw_recorder.h"
#include "panels/side_panels.h"
#include "wire/framer.h"

namespace quorlak::bench {
namespace {

constexpr double kMB = 1e6;

// Takes each record apart and keeps a trace of it, no more.
class CountingHandler : public RecordHandler {
public:
    void beginChunk() override {}
    Flow handle(const Record& record) override {
        ++records;
        sum += record.arg.size() + static_cast<size_t>(record.code);
        return Flow::Continue;
    }
    size_t records = 0;
    size_t sum = 0;
};

// The real record commands and screen reader on a recorder, as a client with
// DELAY off runs them: what the recorder takes down is the stream's drawing.
class DrawingOnly : public RecordHandler, public ScreenEvents {
public:
    DrawingOnly()
        : recorder(assets().font),
          panels(
              recorder, [](int) {}, [] {}),
          commands(recorder, assets().pictures, *this) {}

    void beginChunk() override { commands.beginChunk(); }
    Flow handle(const Record& record) override {
        ++records;
        commands.run(record);
        return Flow::Continue;
    }
    bool textLine(std::string& text) override { return panels.reader().readTextLine(text); }
    void slotUnderlined(int slot) override { panels.reader().slotUnderlined(slot); }
    void itemRowMarked() override { panels.reader().itemRowMarked(); }
    void tabStripCleared() override { panels.reader().tabStripCleared(); }
    void encounterStarted() override { panels.reader().encounterStarted(); }
    void encounterEnded() override { panels.reader().encounterEnded(); }
    // The entry box is the window's, not the drawing's.
    void inputFieldOpened(const InputFieldPlacement&) override {}
    void inputFieldClosed() override {}

    DrawRecorder recorder;
    SidePanels panels;
    RecordCommands commands;
    size_t records = 0;
};

// A client as the window has it after loading, with DELAY off so no pause holds.
struct Client {
    Client() : core(std::make_unique<ClientCore>(host, clock)) {
        core->load(assets().pictures, assets().font);
        core->setConnected(true);
        core->resize(screen::kDisplaySize, screen::kDisplaySize);
        core->menu(MenuItem::DelayMode);
    }
    NullHost host;
    StillClock clock;
    std::unique_ptr<ClientCore> core;
};

double timeFeeding(const std::string& stream, size_t chunk, QImage* picture = nullptr) {
    Client client;
    const std::string_view all(stream);
    const double start = cpuSeconds();
    if (chunk == 0) {
        client.core->receive(all);
    } else {
        for (size_t pos = 0; pos < all.size(); pos += chunk) client.core->receive(all.substr(pos, chunk));
    }
    const double seconds = cpuSeconds() - start;
    if (picture) *picture = client.core->canvas().image();
    return seconds;
}

}  // namespace

FramingResult measureFraming(const std::string& stream, int reps) {
    FramingResult result;
    // One pass takes milliseconds: many passes, interleaved, ride out a busy machine.
    std::vector<double> framer, scan;
    for (int i = 0; i < reps * 10; ++i) {
        StreamFramer f;
        CountingHandler handler;
        double start = cpuSeconds();
        f.feed(stream, handler);
        framer.push_back(cpuSeconds() - start);
        keep(handler.sum);
        result.records = handler.records;

        // The least any framing can do: find each separator and the record before it.
        start = cpuSeconds();
        size_t count = 0, lengths = 0;
        const char* p = stream.data();
        const char* end = p + stream.size();
        while (const void* hit = std::memchr(p, 31, size_t(end - p))) {
            const char* sep = static_cast<const char*>(hit);
            lengths += size_t(sep - p);
            ++count;
            p = sep + 1;
        }
        scan.push_back(cpuSeconds() - start);
        keep(count + lengths);
    }
    const double mb = double(stream.size()) / kMB;
    result.framerMBs = mb / median(framer);
    result.memchrMBs = mb / median(scan);
    result.ratio = median(framer) / median(scan);
    return result;
}

PipelineResult measurePipeline(const std::string& stream, int reps) {
    PipelineResult result;
    DrawingOnly drawing;
    StreamFramer framer;
    framer.feed(stream, drawing);
    result.records = drawing.records;

    std::vector<double> core, bare;
    QImage corePicture, barePicture;
    for (int i = 0; i < reps; ++i) {
        core.push_back(timeFeeding(stream, 0, &corePicture));

        Canvas canvas;
        canvas.setFont(assets().font);
        const double start = cpuSeconds();
        drawing.recorder.replay(canvas);
        bare.push_back(cpuSeconds() - start);
        barePicture = canvas.image();
    }
    size_t differing = 0;
    for (int y = 0; y < corePicture.height(); ++y)
        for (int x = 0; x < corePicture.width(); ++x) differing += corePicture.pixel(x, y) != barePicture.pixel(x, y);
    result.differingPixels = double(differing);

    const double mb = double(stream.size()) / kMB;
    const double records = double(result.records);
    result.coreMBs = mb / median(core);
    result.coreRecordsPerS = records / median(core);
    result.bareMBs = mb / median(bare);
    result.bareRecordsPerS = records / median(bare);
    result.ratio = median(core) / median(bare);
    return result;
}

ChunkingResult measureChunking(const std::string& stream, int reps) {
    std::vector<double> whole, bytes;
    for (int i = 0; i < reps; ++i) {
        whole.push_back(timeFeeding(stream, 0));
        bytes.push_back(timeFeeding(stream, 1));
    }
    const double mb = double(stream.size()) / kMB;
    return {mb / median(whole), mb / median(bytes), median(bytes) / median(whole)};
}

LatencyResult measureLatency(const std::string& stream, size_t chunk, int reps) {
    std::vector<double> p50, p99, worst;
    size_t chunks = 0;
    for (int i = 0; i < reps; ++i) {
        Client client;
        std::vector<double> samples;
        samples.reserve(stream.size() / chunk + 1);
        const std::string_view all(stream);
        for (size_t pos = 0; pos < all.size(); pos += chunk) {
            const auto start = Stopwatch::now();
            client.core->receive(all.substr(pos, chunk));
            const QRect changed = client.core->canvas().takeDamage();
            samples.push_back(secondsSince(start) * 1000);
            keep(uint64_t(changed.width()));
        }
        chunks = samples.size();
        p50.push_back(percentile(samples, 0.50));
        p99.push_back(percentile(samples, 0.99));
        worst.push_back(percentile(samples, 1.0));
    }
    return {median(p50), median(p99), median(worst), chunks};
}

SessionMemoryResult measureSessionMemory(const std::string& stream) {
    timeFeeding(stream, 4096);
    return {peakMemoryMiB(), double(stream.size()) / (1 << 20)};
}

}  // namespace quorlak::bench
