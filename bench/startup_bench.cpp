// Start-up: the client launched as a player would start the demo, on the
// offscreen platform, timed from the launch to its first frame on screen.
// The client's own --trace-startup lines say how much of that came after
// main() began and where it went.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <map>

#include "bench_parts.h"
#include "bench_support.h"

namespace quorlak::bench {
namespace {

constexpr int kWaitMs = 10000;

// Milestones since the client's main() began, by name; empty when the run failed.
std::map<QString, double> launchOnce(const QString& client, double& firstFrameMs) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setReadChannel(QProcess::StandardError);  // where the trace goes
    std::map<QString, double> marks;
    QElapsedTimer launched;
    launched.start();
    child.start(client, {QStringLiteral("--demo"), QStringLiteral("--trace-startup")});
    QByteArray seen;
    while (!marks.count(QStringLiteral("first-frame")) && launched.elapsed() < kWaitMs &&
           child.state() != QProcess::NotRunning) {
        if (!child.waitForReadyRead(kWaitMs)) break;
        const double now = double(launched.nsecsElapsed()) / 1e6;
        seen += child.readAllStandardError();
        for (qsizetype eol; (eol = seen.indexOf('\n')) >= 0; seen.remove(0, eol + 1)) {
            const QList<QByteArray> words = seen.left(eol).split(' ');
            if (words.size() != 4 || words[1] != "startup") continue;
            marks[QString::fromLatin1(words[2])] = words[3].toDouble();
            if (words[2] == "first-frame") firstFrameMs = now;
        }
    }
    child.terminate();
    if (!child.waitForFinished(kWaitMs)) child.kill();
    if (!marks.count(QStringLiteral("first-frame"))) marks.clear();
    return marks;
}

}  // namespace

StartupResult measureStartup(int runs) {
    StartupResult result;
    const QString client = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quorlak"));
    std::vector<double> total, toolkit, window, frame;
    for (int i = 0; i < runs; ++i) {
        double firstFrameMs = 0;
        const auto marks = launchOnce(client, firstFrameMs);
        if (marks.empty()) continue;
        total.push_back(firstFrameMs);
        toolkit.push_back(marks.at(QStringLiteral("toolkit")));
        window.push_back(marks.at(QStringLiteral("window")));
        frame.push_back(marks.at(QStringLiteral("first-frame")));
    }
    if (total.empty()) return result;
    result.firstFrameMs = median(total);
    result.beforeMainMs = median(total) - median(frame);
    result.toolkitMs = median(toolkit);
    result.windowMs = median(window) - median(toolkit);
    result.showMs = median(frame) - median(window);
    result.runs = total.size();
    return result;
}

}  // namespace quorlak::bench
