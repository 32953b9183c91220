#pragma once
// The one TCP connection to the game server, and what the player is told
// about it. Received bytes stay in the socket until the window asks for
// them, so a pause that holds the stream leaves the rest unread and the
// kernel slows the server down.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <string_view>

#include "wire/server_address.h"

class QTcpSocket;

namespace quorlak {

class Connection : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kReadBufferBytes = qint64{1} << 20;
    // Keys queued for a server that reads nothing are dropped beyond this;
    // the status says so until the backlog has gone out.
    static constexpr qint64 kMaxUnsentBytes = qint64{1} << 20;

    explicit Connection(ServerAddress address, QObject* parent = nullptr);
    ~Connection() override;

    const ServerAddress& address() const { return address_; }
    // The next open() goes there.
    void setAddress(ServerAddress address) { address_ = std::move(address); }

    // Connects, dropping any earlier connection first.
    void open();
    // Ends the connection or the attempt on purpose: no failure is reported.
    void close();
    // Gives up an attempt that got no answer.
    void giveUp();
    bool isConnected() const;

    void write(std::string_view bytes);
    // Up to `maxBytes` of what has arrived; empty when nothing waits.
    QByteArray read(qint64 maxBytes);
    qint64 bytesAvailable() const;

    QString status() const { return status_; }

signals:
    void dataArrived();
    void connectedChanged(bool connected);
    void statusChanged(const QString& status);
    void established();
    // An attempt failed, or the live connection ended, not by our own doing.
    void failed(const QString& reason);

private:
    void setStatus(const QString& status);
    void onError();
    void onStateChanged();
    void onBytesWritten();

    ServerAddress address_;
    QTcpSocket* socket_;
    QString status_;
    bool wasConnected_ = false;
    bool endingOnPurpose_ = false;
    bool dropping_ = false;  // keys were dropped since the backlog last went out
};

}  // namespace quorlak
