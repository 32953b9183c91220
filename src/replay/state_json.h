#pragma once
// What the client shows and holds at the end of a replay, as one JSON object.

#include <string>

#include "replay/replay_host.h"
#include "session/client_core.h"

namespace quorlak {

// `clockMs` is the virtual time the state was taken at.
std::string stateJson(const ClientCore& core, const ReplayHost& host, double clockMs);

}  // namespace quorlak
