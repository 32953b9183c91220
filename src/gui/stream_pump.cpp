#include "gui/stream_pump.h"

#include <string_view>

#include "core/client_core.h"
#include "gui/connection.h"

namespace quorlak {

StreamPump::StreamPump(ClientCore& core, Connection& connection, std::function<void()> afterTurn, QObject* parent)
    : QObject(parent), core_(core), connection_(connection), afterTurn_(std::move(afterTurn)) {
    next_.setSingleShot(true);
    next_.setInterval(0);
    connect(&next_, &QTimer::timeout, this, &StreamPump::turn);
    // Arrivals only ask for a turn: one turn per pass of the event loop.
    connect(&connection_, &Connection::dataArrived, this, &StreamPump::schedule);
    core_.setTurnBudget(this);
}

StreamPump::~StreamPump() { core_.setTurnBudget(nullptr); }

void StreamPump::schedule() {
    if (next_.isActive() || core_.holding()) return;
    if (core_.recordsWaiting() || connection_.bytesAvailable() > 0) next_.start();
}

void StreamPump::turn() {
    // A pause holds the stream: what is unread stays in the socket.
    if (core_.holding()) return;
    if (core_.recordsWaiting()) {
        core_.runWaitingRecords();
    } else {
        const QByteArray chunk = connection_.read(kMaxReadBytes);
        if (chunk.isEmpty()) return;
        core_.receive(std::string_view(chunk.constData(), static_cast<size_t>(chunk.size())));
    }
    afterTurn_();
}

}  // namespace quorlak
