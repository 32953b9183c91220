#pragma once
// The encounter log window's two operations on its text.

#include <string_view>

#include "panels/panel_models.h"

namespace quorlak {

// Empties the log (the window is created, hidden, on first use).
void logClear(LogModel& log);
// Appends one line; linear in the line's length. Beyond the size bound the
// oldest lines are dropped.
void logAdd(LogModel& log, std::string_view line);

}  // namespace quorlak
