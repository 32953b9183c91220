#pragma once
// One whole replay: read the inputs, run them, write the results.

#include <ostream>

#include "replay/replay_options.h"

namespace quorlak {

constexpr int kReplayOk = 0;
constexpr int kReplayUnusable = 2;

// Needs a QGuiApplication. Reports a failure as one line on `err`.
int runReplay(const ReplayOptions& options, std::ostream& err);

}  // namespace quorlak
