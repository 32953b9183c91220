#include "client_connection.h"

#include <QAbstractSocket>
#include <QFileDevice>
#include <QTimer>
#include <iostream>

#include "game_session.h"

namespace quorlak::server {

ClientConnection::ClientConnection(QIODevice* device, Realm& realm, quint64 seed, QObject* parent)
    : QObject(parent), device_(device) {
    device_->setParent(this);
    session_ = std::make_unique<GameSession>(realm, seed, [this](const QByteArray& bytes) { send(bytes); });
    connect(device_, &QIODevice::readyRead, this, &ClientConnection::readSome);
    if (auto* socket = qobject_cast<QAbstractSocket*>(device_)) {
        // Bounded reading: past this, the kernel's flow control holds the client back.
        socket->setReadBufferSize(kSocketReadBuffer);
        connect(socket, &QAbstractSocket::disconnected, this, &ClientConnection::finish);
    } else {
        connect(device_, &QIODevice::readChannelFinished, this, &ClientConnection::finish);
    }
}

ClientConnection::~ClientConnection() {
    disconnect(device_, nullptr, this, nullptr);
    // The session leaves the realm while its device still exists.
    session_.reset();
}

void ClientConnection::start() {
    session_->start();
    if (device_->bytesAvailable() > 0) readSome();
}

void ClientConnection::readSome() {
    if (dropped_ || finished_) return;
    const QByteArray slice = device_->read(kReadSlice);
    QByteArray logLines;
    parser_.feed(slice, [this, &logLines](const KeyEvent& key) {
        logInput(key, logLines);
        if (!dropped_) session_->handleKey(key);
    });
    // One write per slice: a watcher reading the log sees whole lines.
    if (inputLog_ && !logLines.isEmpty()) {
        inputLog_->write(logLines);
        if (auto* file = qobject_cast<QFileDevice*>(inputLog_)) file->flush();
    }
    // More waiting: come back on the next turn, after the other clients.
    if (!dropped_ && !readPending_ && device_->bytesAvailable() > 0) {
        readPending_ = true;
        QTimer::singleShot(0, this, [this] {
            readPending_ = false;
            readSome();
        });
    }
}

void ClientConnection::logInput(const KeyEvent& key, QByteArray& lines) const {
    if (!inputLog_) return;
    lines += QByteArray::number(number_);
    if (key.kind == KeyEvent::Kind::KeepAlive) lines += " keepalive\n";
    else lines += ' ' + QByteArray::number(key.code) + ',' + QByteArray::number(key.mask) + '\n';
}

void ClientConnection::send(const QByteArray& bytes) {
    if (dropped_ || finished_) return;
    if (device_->bytesToWrite() + bytes.size() > outputLimit_) {
        drop(QStringLiteral("it cannot keep up (%1 bytes waiting)").arg(device_->bytesToWrite()));
        return;
    }
    if (recording_) recording_->write(bytes);
    device_->write(bytes);
}

void ClientConnection::drop(const QString& reason) {
    dropped_ = true;
    const QString who = session_->name().isEmpty() ? QStringLiteral("an unnamed player") : session_->name();
    std::cerr << "quorlak-server: dropping " << who.toStdString() << ": " << reason.toStdString() << std::endl;
    if (auto* socket = qobject_cast<QAbstractSocket*>(device_)) socket->abort();  // throws the unsent output away
    else device_->close();
    finish();
}

void ClientConnection::finish() {
    if (finished_) return;
    finished_ = true;
    emit finished(this);
}

}  // namespace quorlak::server
