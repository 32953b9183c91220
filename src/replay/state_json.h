#pragma once
// What the client shows and holds at the end of a replay, as one JSON object.

#include <string>
#include <vector>

#include "core/client_core.h"
#include "replay/replay_host.h"

namespace quorlak {

// `clockMs` is the virtual time the state was taken at.
std::string stateJson(const ClientCore& core, const ReplayHost& host, double clockMs);

// The same for a host that is not the replay's: `sent` are the writes to the
// server, `itemMenus` the pop-up menus shown, `clockMs` the time on the core's clock.
std::string stateJson(const ClientCore& core, const std::vector<std::string>& sent, int itemMenus, double clockMs);

}  // namespace quorlak
