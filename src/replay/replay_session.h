#pragma once
// Runs a ClientCore on recorded server data and scripted events, on a
// virtual clock. Each event runs to completion, with the work it queues for
// "immediately after", before the next one; behind a pause, the core itself
// keeps events waiting in order, and stream files wait as slices of their
// bytes, so a long recording cut into one-byte chunks neither grows memory
// nor loses data.

#include <QFont>
#include <QString>
#include <cstddef>
#include <string>

#include "core/client_core.h"
#include "replay/replay_host.h"
#include "replay/script.h"
#include "replay/virtual_clock.h"

namespace quorlak {

class ReplaySession {
public:
    static constexpr int kDefaultSize = screen::kDisplaySize;

    // Loads the client, connects it, shows it at the created size and then
    // resizes it to width x height.
    // `chunk` cuts every received file into pieces of that many bytes (0: whole).
    ReplaySession(Pictures pictures, const QFont& font, int width = kDefaultSize, int height = kDefaultSize,
                  size_t chunk = 0);
    // The same on the canvas of a session that is done with (see takeCanvas).
    ReplaySession(Pictures pictures, const QFont& font, int width, int height, size_t chunk, Canvas&& reused);
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;
    // Hands the canvas on to a session made next; this one is done with.
    Canvas takeCanvas() && { return std::move(core_).takeCanvas(); }

    // A stream file's bytes arrive, cut by `chunk`.
    void receiveFile(std::string bytes);
    // Runs one event. Fails only when a recv_file cannot be read.
    bool run(const ScriptEvent& event, std::string& error);
    void advance(double ms);

    double now() const { return clock_.nowMs(); }
    const ClientCore& core() const { return core_; }
    const ReplayHost& host() const { return host_; }
    // Inputs waiting behind a pause.
    size_t waitingInputs() const { return core_.heldInputs(); }
    // Received bytes not yet framed; 0 once everything has arrived.
    size_t heldBytes() const { return core_.heldBytes(); }

private:
    VirtualClock clock_;
    ReplayHost host_;
    ClientCore core_;
    size_t chunk_;
};

}  // namespace quorlak
