#pragma once
// Runs a ClientCore on recorded server data and scripted events, on a
// virtual clock. Each event runs to completion, with the work it queues for
// "immediately after" (posted broadcast keys, zero-delay work), before the
// next one.
//
// While a pause holds the stream, later input waits here in arrival order,
// as data waits in the socket while the window is held; server data waits as
// slices of the received bytes, so a long recording cut into one-byte chunks
// neither grows memory nor loses data behind a pause. Only when a keep-alive
// falls due in a pause does waiting player input go to the core's own queue,
// which runs it before the tick, as a key would in the window.

#include <QFont>
#include <QString>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <variant>

#include "replay/replay_host.h"
#include "replay/script.h"
#include "session/client_core.h"

namespace quorlak {

class ReplaySession {
public:
    static constexpr int kDefaultSize = 512;

    // Loads the client, connects it, shows it at the created size and then
    // resizes it to width x height.
    // `chunk` cuts every received file into pieces of that many bytes (0: whole).
    ReplaySession(Pictures pictures, const QFont& font, int width = kDefaultSize, int height = kDefaultSize,
                  size_t chunk = 0);
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    // A stream file's bytes arrive, cut by `chunk`.
    void receiveFile(std::string bytes);
    // Runs one event. Fails only when a recv_file cannot be read.
    bool run(const ScriptEvent& event, std::string& error);
    void advance(double ms);

    double now() const { return clock_.nowMs(); }
    const ClientCore& core() const { return core_; }
    const ReplayHost& host() const { return host_; }
    // Inputs waiting behind a pause, besides those the core holds itself.
    size_t waitingInputs() const { return waiting_.size(); }
    // Received bytes kept here until delivered; 0 once everything has arrived.
    size_t heldBytes() const { return heldBytes_; }

private:
    // Received bytes not yet delivered, cut into chunks of `chunk` (0: one chunk).
    struct StreamSlice {
        std::string_view data;
        size_t chunk;
    };
    using Input = std::variant<StreamSlice, ScriptEvent, ReplayHost::PostedKey>;

    std::string_view keep(std::string bytes);
    void release();
    void submitStream(std::string_view data, size_t chunk);
    void submit(Input input);
    void pump();
    static std::string_view takeChunk(StreamSlice& slice);
    void runEvent(const ScriptEvent& event);
    void callCore(const ScriptEvent& event);
    void deliverBroadcast(const ReplayHost::PostedKey& key);
    void finishEvent();
    void handWaitingToCore();

    GlobalVars globals_;
    VirtualClock clock_;
    ReplayHost host_;
    ClientCore core_;
    size_t chunk_;
    std::deque<Input> waiting_;
    std::deque<std::string> kept_;  // received bytes that slices point into, until delivered
    size_t heldBytes_ = 0;
};

}  // namespace quorlak
