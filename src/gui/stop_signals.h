#pragma once
// SIGINT and SIGTERM close the client's windows the ordinary way, so the
// connection is closed, the broadcast endpoint is removed and a state file
// gets its last write before the program ends.

#include <QObject>
#include <csignal>
#include <functional>
#include <initializer_list>

namespace quorlak {

// Calls `stop` in the event loop of `owner` when one of `stopSignals` arrives.
// Returns false, and leaves every signal's handling and the process as they
// were, when the signals cannot be watched (or a watcher already runs).
bool watchStopSignals(QObject* owner, std::function<void()> stop,
                      std::initializer_list<int> stopSignals = {SIGINT, SIGTERM});

}  // namespace quorlak
