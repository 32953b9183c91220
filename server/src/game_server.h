#pragma once
// The stand-in game server. Listens on 127.0.0.1 and runs entirely on the
// event loop of the thread it lives in, with no blocking calls, so it can
// share a GUI thread. Every player gets a game of their own in a shared
// world; a slow or hostile client is dropped rather than allowed to hold up
// the others.

#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <memory>

class QFile;

namespace quorlak::server {

class ClientConnection;
class Realm;

class GameServer : public QObject {
    Q_OBJECT

public:
    explicit GameServer(quint32 seed = 1, QObject* parent = nullptr);
    ~GameServer() override;

    // Port 0 picks a free port; port() then tells which.
    bool listen(quint16 port, QString* error = nullptr);
    quint16 port() const;
    void close();

    // Writes every byte sent to the first player to this file, for replays.
    void setRecordFile(const QString& path);
    // Appends every key item read from any player to this file, one line
    // each: the connection's number (from 1, in order of arrival), then
    // "CODE,MASK" or "keepalive". For tests that watch the server from outside.
    bool setInputLogFile(const QString& path, QString* error = nullptr);
    // Unsent output a client may have before it is dropped (4 MiB by default).
    void setOutputLimit(qint64 bytes) { outputLimit_ = bytes; }

    int connectionCount() const { return int(connections_.size()); }

private:
    void acceptConnections();
    void removeConnection(ClientConnection* connection);
    void stopRecording();

    QTcpServer listener_;
    std::unique_ptr<Realm> realm_;
    QList<ClientConnection*> connections_;
    quint32 seed_;
    quint64 connectionsSeen_ = 0;
    qint64 outputLimit_;
    QString recordPath_;
    std::unique_ptr<QFile> recording_;
    std::unique_ptr<QFile> inputLog_;
    ClientConnection* recorded_ = nullptr;
};

}  // namespace quorlak::server
