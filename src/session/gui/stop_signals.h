#pragma once
// SIGINT and SIGTERM close the client's windows the ordinary way, so the
// connection is closed, the broadcast endpoint is removed and a state file
// gets its last write before the program ends.

#include <QObject>
#include <functional>

namespace quorlak {

// Calls `stop` in the event loop of `owner` when either signal arrives.
// Returns false (and changes nothing) when the signals cannot be watched.
bool watchStopSignals(QObject* owner, std::function<void()> stop);

}  // namespace quorlak
