// quorlak-bench: speed and memory of the client core on a realistic stream.
// Prints a table, then one JSON object as the last line.
//
//   quorlak-bench [--reps N] [--lines N] [--reference FILE] [--min-mb N]
//   quorlak-bench --write-reference FILE [--min-mb N]
//   quorlak-bench --part messages|log|session|pipeline|keys|startup ...   (one measurement, JSON only)

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_parts.h"
#include "bench_support.h"
#include "reference_stream.h"

namespace qb = quorlak::bench;

namespace {

struct Options {
    int reps = 5;
    size_t lines = 1000000;
    int keys = 200;
    size_t minBytes = size_t{6} << 20;
    QString reference;
    QString writeReference;
    QString part;
};

[[noreturn]] void usage(const char* why) {
    std::fprintf(stderr, "quorlak-bench: %s\n", why);
    std::exit(2);
}

Options parseOptions(const QStringList& args) {
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size()) usage("an option needs a value");
            return args[++i];
        };
        auto number = [&](long long min) {
            bool ok = false;
            const long long n = value().toLongLong(&ok);
            if (!ok || n < min) usage("an option needs a larger whole number");
            return n;
        };
        if (a == "--reps") o.reps = int(number(1));
        else if (a == "--lines") o.lines = size_t(number(1000));
        else if (a == "--keys") o.keys = int(number(10));
        else if (a == "--min-mb") o.minBytes = size_t(number(1)) << 20;
        else if (a == "--reference") o.reference = value();
        else if (a == "--write-reference") o.writeReference = value();
        else if (a == "--part") o.part = value();
        else usage("unknown option (see the comment at the top of bench_main.cpp)");
    }
    if (o.reference.isEmpty())
        o.reference = QDir(QCoreApplication::applicationDirPath()).filePath("reference-stream.bin");
    return o;
}

void printJson(const QJsonObject& object) {
    std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

// The child process's answer: its last line of output, as JSON.
QJsonObject runPart(const Options& o, const QString& part) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--part", part, "--lines", QString::number(o.lines), "--keys", QString::number(o.keys), "--reference",
                 o.reference, "--min-mb", QString::number(o.minBytes >> 20)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) return {};
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    return QJsonDocument::fromJson(lines.last()).object();
}

int runChildPart(const Options& o) {
    QJsonObject out;
    if (o.part == "messages" || o.part == "log") {
        const auto r = qb::measureLines(o.part == "log" ? qb::LineSink::Log : qb::LineSink::Messages, o.lines);
        out = {{"first_us_per_line", r.firstUsPerLine},
               {"last_us_per_line", r.lastUsPerLine},
               {"peak_mib", r.peakMiB},
               {"start_mib", r.startMiB},
               {"lines", double(r.lines)},
               {"kept", double(r.kept)}};
    } else if (o.part == "pipeline") {
        // One measurement alone, for a profiler.
        const std::string stream = qb::loadReferenceStream(o.reference, o.minBytes);
        const auto r = qb::measurePipeline(stream, o.reps);
        out = {{"pipeline_mbs", r.coreMBs},
               {"bare_draw_mbs", r.bareMBs},
               {"ratio", r.ratio},
               {"fill_bound_mbs", r.fillBoundMBs},
               {"fill_bound_ratio", r.fillBoundRatio}};
    } else if (o.part == "session") {
        const std::string stream = qb::loadReferenceStream(o.reference, o.minBytes);
        const auto r = qb::measureSessionMemory(stream);
        out = {{"peak_mib", r.peakMiB}, {"stream_mib", r.streamMiB}};
    } else if (o.part == "keys") {
        const auto r = qb::measureKeyLatency(o.keys);
        out = {{"idle_p50_ms", r.idleP50Ms},   {"idle_p99_ms", r.idleP99Ms},   {"flood_p50_ms", r.floodP50Ms},
               {"flood_p99_ms", r.floodP99Ms}, {"flood_max_ms", r.floodMaxMs}, {"keys", double(r.keys)}};
    } else if (o.part == "startup") {
        const auto r = qb::measureStartup(o.reps);
        out = {{"first_frame_ms", r.firstFrameMs},
               {"before_main_ms", r.beforeMainMs},
               {"toolkit_ms", r.toolkitMs},
               {"window_ms", r.windowMs},
               {"show_ms", r.showMs},
               {"runs", double(r.runs)}};
    } else {
        usage("--part is messages, log, session, pipeline, keys or startup");
    }
    printJson(out);
    return 0;
}

struct Row {
    std::string what, measured, baseline, ratio, target;
    bool met;
};

std::string fmt(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const Options o = parseOptions(app.arguments());

    if (!o.writeReference.isEmpty()) {
        const std::string stream = qb::makeReferenceStream(o.minBytes);
        QSaveFile out(o.writeReference);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(stream.data(), qint64(stream.size())) != qint64(stream.size()) || !out.commit())
            usage("cannot write the reference stream");
        return 0;
    }
    if (!o.part.isEmpty()) return runChildPart(o);

    const std::string stream = qb::loadReferenceStream(o.reference, o.minBytes);
    const QString family = QFontInfo(qb::assets().font).family();
    std::printf("reference stream: %.2f MB, %d repetitions, medians; font %s%s\n", double(stream.size()) / 1e6, o.reps,
                qPrintable(family), family == "KELVOASCII" ? "" : " (NOT the terminal font: build quorlak_data first)");

    const auto framing = qb::measureFraming(stream, o.reps);
    const auto pipeline = qb::measurePipeline(stream, o.reps);
    const auto chunking = qb::measureChunking(stream, o.reps);
    const auto latency = qb::measureLatency(stream, 4096, o.reps);
    const QJsonObject messages = runPart(o, "messages");
    const QJsonObject log = runPart(o, "log");
    const QJsonObject session = runPart(o, "session");
    const QJsonObject keys = runPart(o, "keys");
    const auto startup = qb::measureStartup(o.reps);

    std::vector<Row> rows = {
        {"framing (MB/s) vs memchr", fmt("%.0f", framing.framerMBs), fmt("%.0f", framing.memchrMBs),
         fmt("%.2fx", framing.ratio), "<= 3x", framing.ratio <= 3},
        {"pipeline (MB/s) vs bare draw", fmt("%.1f", pipeline.coreMBs), fmt("%.1f", pipeline.bareMBs),
         fmt("%.2fx", pipeline.ratio), "<= 1.25x", pipeline.ratio <= 1.25},
        {"bare draw (MB/s) vs fill bound", fmt("%.1f", pipeline.bareMBs), fmt("%.1f", pipeline.fillBoundMBs),
         fmt("%.2fx", pipeline.fillBoundRatio), "<= 2x", pipeline.fillBoundRatio <= 2},
        {"pipeline (records/s)", fmt("%.0f", pipeline.coreRecordsPerS), fmt("%.0f", pipeline.bareRecordsPerS), "", "",
         true},
        {"1-byte chunks vs one chunk (MB/s)", fmt("%.1f", chunking.byteMBs), fmt("%.1f", chunking.wholeMBs),
         fmt("%.2fx", chunking.ratio), "<= 2x", chunking.ratio <= 2},
        {"4 KB chunk to picture p50 (ms)", fmt("%.3f", latency.p50Ms), "", "", "", true},
        {"4 KB chunk to picture p99 (ms)", fmt("%.3f", latency.p99Ms), "", "", "< 2 ms", latency.p99Ms < 2},
    };
    for (const auto& [name, part] : {std::pair{"message grid", messages}, std::pair{"encounter log", log}}) {
        const double first = part["first_us_per_line"].toDouble(), last = part["last_us_per_line"].toDouble();
        rows.push_back({std::string(name) + " us/line, last vs first 100k", fmt("%.2f", last), fmt("%.2f", first),
                        fmt("%.2fx", last / first), "constant", !part.isEmpty() && last <= 1.5 * first});
        rows.push_back({std::string(name) + " peak memory (MiB)", fmt("%.1f", part["peak_mib"].toDouble()),
                        fmt("%.1f", part["start_mib"].toDouble()), "", "bounded", !part.isEmpty()});
    }
    const double idleKeyMs = keys["idle_p99_ms"].toDouble(), floodKeyMs = keys["flood_p99_ms"].toDouble();
    rows.push_back({"key to socket p99, flood vs idle (ms)", fmt("%.1f", floodKeyMs), fmt("%.1f", idleKeyMs),
                    fmt("+%.1f", floodKeyMs - idleKeyMs), "+20 ms",
                    !keys.isEmpty() && keys["keys"].toDouble() > 0 && floodKeyMs <= idleKeyMs + 20});
    rows.push_back({"launch to first frame, quorlak --demo (ms)", fmt("%.0f", startup.firstFrameMs), "", "", "< 300",
                    startup.runs > 0 && startup.firstFrameMs < 300});
    rows.push_back({"peak memory after the session (MiB)", fmt("%.1f", session["peak_mib"].toDouble()), "", "", "< 100",
                    !session.isEmpty() && session["peak_mib"].toDouble() < 100});

    std::printf("%-44s %12s %12s %8s %10s  %s\n", "measure", "measured", "baseline", "ratio", "target", "");
    bool allMet = true;
    for (const Row& r : rows) {
        std::printf("%-44s %12s %12s %8s %10s  %s\n", r.what.c_str(), r.measured.c_str(), r.baseline.c_str(),
                    r.ratio.c_str(), r.target.c_str(), r.met ? "" : "MISSED");
        allMet = allMet && r.met;
    }
    std::printf("bare draw check: %.0f of 262144 final pixels differ from the client's picture\n",
                pipeline.differingPixels);
    std::printf(
        "start-up: %.0f ms loading the program and its libraries, %.0f ms to the application object, "
        "%.0f ms making the demo server and the window, %.0f ms to the first frame\n",
        startup.beforeMainMs, startup.toolkitMs, startup.windowMs, startup.showMs);
    std::printf("fill bound: %.0f pixels in %zu runs; %.0f of 262144 final pixels differ from the client's picture\n",
                pipeline.fillPixels, pipeline.fillRuns, pipeline.fillBoundDifferingPixels);

    printJson({
        {"stream_mb", double(stream.size()) / 1e6},
        {"font", family},
        {"reps", o.reps},
        {"records", double(pipeline.records)},
        {"framing_mbs", framing.framerMBs},
        {"memchr_mbs", framing.memchrMBs},
        {"framing_ratio", framing.ratio},
        {"pipeline_mbs", pipeline.coreMBs},
        {"pipeline_records_per_s", pipeline.coreRecordsPerS},
        {"bare_draw_mbs", pipeline.bareMBs},
        {"bare_draw_records_per_s", pipeline.bareRecordsPerS},
        {"pipeline_ratio", pipeline.ratio},
        {"bare_draw_differing_pixels", pipeline.differingPixels},
        {"fill_bound_mbs", pipeline.fillBoundMBs},
        {"fill_bound_ratio", pipeline.fillBoundRatio},
        {"fill_bound_pixels", pipeline.fillPixels},
        {"fill_bound_runs", double(pipeline.fillRuns)},
        {"fill_bound_differing_pixels", pipeline.fillBoundDifferingPixels},
        {"one_chunk_mbs", chunking.wholeMBs},
        {"byte_chunks_mbs", chunking.byteMBs},
        {"byte_chunks_ratio", chunking.ratio},
        {"latency_p50_ms", latency.p50Ms},
        {"latency_p99_ms", latency.p99Ms},
        {"latency_max_ms", latency.maxMs},
        {"messages", messages},
        {"log", log},
        {"session_peak_mib", session["peak_mib"].toDouble()},
        {"first_frame_ms", startup.firstFrameMs},
        {"startup", QJsonObject{{"before_main_ms", startup.beforeMainMs},
                                {"toolkit_ms", startup.toolkitMs},
                                {"window_ms", startup.windowMs},
                                {"show_ms", startup.showMs},
                                {"runs", double(startup.runs)}}},
        {"flood_key_latency_ms", floodKeyMs},
        {"idle_key_latency_ms", idleKeyMs},
        {"keys", keys},
        {"targets_met", allMet},
    });
    return 0;
}
