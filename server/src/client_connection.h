#pragma once
// One player's link: reads key items from the device, feeds them to the
// player's session and writes what it draws back. It never trusts the
// client: input is taken a bounded slice per event-loop turn, so a flood
// cannot starve the others, and a client whose unsent output would pass the
// limit is dropped instead of being buffered for without end.

#include <QObject>
#include <memory>

#include "key_item_parser.h"

class QIODevice;

namespace quorlak::server {

class GameSession;
class Realm;

class ClientConnection : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 kDefaultOutputLimit = 4 * 1024 * 1024;
    static constexpr qint64 kReadSlice = 4096;
    static constexpr qint64 kSocketReadBuffer = 64 * 1024;

    // Takes ownership of the device (a connected socket, or anything else
    // that reads and writes).
    ClientConnection(QIODevice* device, Realm& realm, quint64 seed, QObject* parent = nullptr);
    ~ClientConnection() override;

    void setOutputLimit(qint64 bytes) { outputLimit_ = bytes; }
    // Everything sent is also written to `recording` (not owned).
    void setRecording(QIODevice* recording) { recording_ = recording; }
    // The server's count of this connection, from 1; it names it in the input log.
    void setNumber(quint64 number) { number_ = number; }
    // Every key item read is also written to `log` (not owned) as a line
    // "NUMBER CODE,MASK", or "NUMBER keepalive", so tests can see what arrived.
    void setInputLog(QIODevice* log) { inputLog_ = log; }

    void start();
    bool isDropped() const { return dropped_; }
    const GameSession& session() const { return *session_; }

signals:
    // The connection closed or was dropped; the owner should deleteLater() it.
    void finished(ClientConnection* connection);

private:
    void readSome();
    void logInput(const KeyEvent& key, QByteArray& lines) const;
    void send(const QByteArray& bytes);
    void drop(const QString& reason);
    void finish();

    QIODevice* device_;
    std::unique_ptr<GameSession> session_;
    KeyItemParser parser_;
    qint64 outputLimit_ = kDefaultOutputLimit;
    QIODevice* recording_ = nullptr;
    QIODevice* inputLog_ = nullptr;
    quint64 number_ = 0;
    bool dropped_ = false;
    bool finished_ = false;
    bool readPending_ = false;
};

}  // namespace quorlak::server
