#pragma once
// Running script events on a core: shared by the replay driver and the
// window that plays a recording back, so both run a recording alike.

#include "core/client_core.h"
#include "replay/script.h"
#include "replay/scripted_desktop.h"
#include "replay/virtual_clock.h"

namespace quorlak {

// Runs one event that needs no file and no clock: everything but recv_file
// and advance, which are left alone.
void runScriptEvent(ClientCore& core, ScriptedDesktop& desktop, const ScriptEvent& event);

// Moves `clock` on to `targetMs`, running on the way, in time order, each
// pause end, keep-alive tick and paced write that falls due.
void advanceCore(ClientCore& core, VirtualClock& clock, double targetMs);

}  // namespace quorlak
