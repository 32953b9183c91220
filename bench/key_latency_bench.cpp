// Keys under a flood: a real main window (on the offscreen platform) talks
// to a loopback server that floods it with full-screen boxes and text, while
// another thread presses keys at random moments, as the window system would
// deliver them. Each key's time from its press to its arrival at the server
// is measured, with the server quiet and while it floods.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <random>
#include <thread>

#include "bench_parts.h"
#include "bench_support.h"
#include "flood_server.h"
#include "gui/connection.h"
#include "gui/main_window.h"

namespace quorlak::bench {
namespace {

constexpr int kMinGapMs = 10;  // between two presses
constexpr int kMaxGapMs = 30;
constexpr int kFloodStartMs = 300;  // the flood fills the socket before keys are pressed
constexpr int kSettleMs = 2000;     // the longest a key may take before it counts as lost
constexpr int kRounds = 4;          // quiet and flooded in turn

// Full-screen filled boxes between screens of text, as a server that
// redraws everything at once sends them.
std::string floodData() {
    std::string flood = "cd01 " + std::string(16 * 33, '1') + '\x1f';
    for (int screen = 0; screen < 64; ++screen) {
        flood += "fx(0,0)-(511,511)\x1f";
        for (int line = 0; line < 24; ++line) {
            flood += "lc(16," + std::to_string(20 + line * 18) + ")\x1fpt'The Ice Troll strikes Joe for " +
                     std::to_string(screen * 24 + line) + " damage'\x1f";
        }
    }
    return flood;
}

// Runs the event loop until `done` or `ms` have passed.
void runUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() > ms) loop.quit();
    });
    check.start(5);
    loop.exec();
}

// Presses `keys` keys on `target` from a thread of its own; adds their latencies in ms.
void pressKeys(FloodServer& server, QWidget* target, int keys, unsigned seed, std::vector<double>& latencies) {
    const size_t before = server.keyArrivals().size();
    std::vector<FloodServer::Clock::time_point> pressed;
    std::mutex mutex;
    std::thread presser([&] {
        std::mt19937 dice(seed);
        for (int i = 0; i < keys; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kMinGapMs + int(dice() % (kMaxGapMs - kMinGapMs))));
            std::lock_guard lock(mutex);
            pressed.push_back(FloodServer::Clock::now());
            QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        }
    });
    runUntil([&] { return server.keyArrivals().size() >= before + size_t(keys); }, (kMaxGapMs + 5) * keys + kSettleMs);
    presser.join();
    const auto arrivals = server.keyArrivals();
    for (size_t i = 0; i < pressed.size(); ++i) {
        // A key that never arrived counts as the longest wait there is.
        const auto arrived = before + i < arrivals.size() ? arrivals[before + i] : FloodServer::Clock::now();
        latencies.push_back(std::chrono::duration<double, std::milli>(arrived - pressed[i]).count());
    }
}

}  // namespace

KeyLatencyResult measureKeyLatency(int keys) {
    KeyLatencyResult result;
    // Made here, not by the first key event on the pressing thread.
    QInputDevice::primaryKeyboard();
    FloodServer server(floodData());
    QTemporaryDir broadcasts;  // no other client window hears these keys
    MainWindow window(ServerAddress{QStringLiteral("127.0.0.1"), server.port()}, {broadcasts.path(), {}});
    window.show();
    runUntil([&] { return server.clientConnected() && window.core().connected(); }, 5000);
    if (!window.core().connected()) return result;

    // Quiet and flooded in turns, so that both see the machine as busy.
    std::vector<double> idle, flood;
    for (int round = 0; round < kRounds; ++round) {
        pressKeys(server, window.focusSink(), keys / kRounds, unsigned(2 * round), idle);
        server.setFlooding(true);
        runUntil([] { return false; }, kFloodStartMs);
        pressKeys(server, window.focusSink(), keys / kRounds, unsigned(2 * round + 1), flood);
        server.setFlooding(false);
        // What the flood left in the socket runs before the next quiet round.
        runUntil([&] { return window.connection()->bytesAvailable() == 0 && !window.core().recordsWaiting(); },
                 kSettleMs);
    }

    result.keys = idle.size();
    std::sort(idle.begin(), idle.end());
    std::sort(flood.begin(), flood.end());
    // Nearest rank, as percentile() has it.
    auto at = [](const std::vector<double>& sorted, double fraction) {
        return sorted.empty() ? 0 : sorted[std::min(size_t(fraction * double(sorted.size())), sorted.size() - 1)];
    };
    result.idleP50Ms = at(idle, 0.50);
    result.idleP99Ms = at(idle, 0.99);
    result.floodP50Ms = at(flood, 0.50);
    result.floodP99Ms = at(flood, 0.99);
    result.floodMaxMs = flood.empty() ? 0 : flood.back();
    return result;
}

}  // namespace quorlak::bench
