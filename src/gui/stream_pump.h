#pragma once
// Hands what the server sends to the core one turn of the event loop at a
// time. A turn runs received records for at most kTurnMs, then keys, clicks,
// timers and repaints get their turn before the records go on; the socket is
// read again only once the records of the last read have all run. So a key
// never waits behind more than one turn of the server's output.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "core/turn_budget.h"

namespace quorlak {

class ClientCore;
class Connection;

class StreamPump : public QObject, private TurnBudget {
    Q_OBJECT
public:
    // Records run in one turn (the last record always runs to its end).
    static constexpr qint64 kTurnNs = 4'000'000;
    // The most read from the socket at once.
    static constexpr qint64 kMaxReadBytes = 64 * 1024;

    // `afterTurn` shows what a turn changed; it ends by calling schedule().
    StreamPump(ClientCore& core, Connection& connection, std::function<void()> afterTurn, QObject* parent = nullptr);
    ~StreamPump() override;

    // Takes another turn soon if there is work: records left over, or data
    // in the socket while no pause holds the stream.
    void schedule();

private:
    void turn();
    void begin() override { turnClock_.start(); }
    bool spent() override { return turnClock_.nsecsElapsed() >= kTurnNs; }

    ClientCore& core_;
    Connection& connection_;
    std::function<void()> afterTurn_;
    QTimer next_;
    QElapsedTimer turnClock_;
};

}  // namespace quorlak
