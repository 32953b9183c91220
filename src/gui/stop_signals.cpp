#include "gui/stop_signals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <vector>

namespace quorlak {

namespace {

int signalPair[2] = {-1, -1};

void onStopSignal(int) {
    // Only async-signal-safe work here; the event loop reads the other end.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPair[1], &byte, 1);
}

void closeSignalPair() {
    for (int& fd : signalPair) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

}  // namespace

bool watchStopSignals(QObject* owner, std::function<void()> stop, std::initializer_list<int> stopSignals) {
    if (signalPair[0] >= 0) return false;  // one watcher per process
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPair) != 0) {
        signalPair[0] = signalPair[1] = -1;
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // What each signal did before, so a failure part-way can put it back.
    std::vector<std::pair<int, struct sigaction>> installed;
    for (const int signal : stopSignals) {
        struct sigaction previous = {};
        if (::sigaction(signal, &action, &previous) != 0) {
            for (auto it = installed.rbegin(); it != installed.rend(); ++it)
                ::sigaction(it->first, &it->second, nullptr);
            closeSignalPair();
            return false;
        }
        installed.emplace_back(signal, previous);
    }
    auto* notifier = new QSocketNotifier(signalPair[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [stop = std::move(stop)] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalPair[0], &byte, 1);
        stop();
    });
    return true;
}

}  // namespace quorlak
