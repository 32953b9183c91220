#pragma once
// The measurements. Each runs `reps` times and reports medians.

#include <cstddef>
#include <string>

namespace quorlak::bench {

struct FramingResult {
    double framerMBs = 0;
    double memchrMBs = 0;
    double ratio = 0;  // memchr speed / framer speed
    size_t records = 0;
};
FramingResult measureFraming(const std::string& stream, int reps);

struct PipelineResult {
    double coreRecordsPerS = 0;
    double coreMBs = 0;
    double bareRecordsPerS = 0;
    double bareMBs = 0;
    double ratio = 0;            // core time / bare draw time
    double differingPixels = 0;  // between the two final pictures
    size_t records = 0;
    // The same pixels written with plain stores in the same runs.
    double fillBoundMBs = 0;
    double fillBoundRatio = 0;            // bare draw time / fill bound time
    double fillBoundDifferingPixels = 0;  // its final picture against the client's
    size_t fillRuns = 0;
    double fillPixels = 0;
};
PipelineResult measurePipeline(const std::string& stream, int reps);

struct ChunkingResult {
    double wholeMBs = 0;
    double byteMBs = 0;
    double ratio = 0;  // 1-byte time / one-chunk time
};
ChunkingResult measureChunking(const std::string& stream, int reps);

struct LatencyResult {
    double p50Ms = 0;
    double p99Ms = 0;
    double maxMs = 0;
    size_t chunks = 0;
};
LatencyResult measureLatency(const std::string& stream, size_t chunk, int reps);

// Run in a process of their own, so that the peak memory is theirs alone.
struct LinesResult {
    double firstUsPerLine = 0;  // the first 100k lines
    double lastUsPerLine = 0;   // the last 100k lines
    double peakMiB = 0;
    double startMiB = 0;  // before the first line
    size_t lines = 0;
    size_t kept = 0;  // rows, or log bytes, held at the end
};
enum class LineSink { Messages, Log };
LinesResult measureLines(LineSink sink, size_t lines);

struct SessionMemoryResult {
    double peakMiB = 0;
    double streamMiB = 0;
};
SessionMemoryResult measureSessionMemory(const std::string& stream);

// Run in a process of its own: a main window on the offscreen platform.
struct KeyLatencyResult {
    double idleP50Ms = 0;
    double idleP99Ms = 0;
    double floodP50Ms = 0;
    double floodP99Ms = 0;
    double floodMaxMs = 0;
    size_t keys = 0;  // per measure; none when the window could not connect
};
KeyLatencyResult measureKeyLatency(int keys);

// The client launched with --demo on the offscreen platform, `runs` times; medians.
struct StartupResult {
    double firstFrameMs = 0;  // from the launch to the first frame on screen
    double beforeMainMs = 0;  // loading the program and its libraries
    double toolkitMs = 0;     // main() up to the application object
    double windowMs = 0;      // the demo server and the main window made
    double showMs = 0;        // showing the window up to its first frame
    size_t runs = 0;          // that reached a first frame
};
StartupResult measureStartup(int runs);

}  // namespace quorlak::bench
