#include "gui/connection.h"

#include <QTcpSocket>

namespace quorlak {

Connection::Connection(ServerAddress address, QObject* parent)
    : QObject(parent), address_(std::move(address)), socket_(new QTcpSocket(this)) {
    socket_->setReadBufferSize(kReadBufferBytes);
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::dataArrived);
    connect(socket_, &QTcpSocket::errorOccurred, this, &Connection::onError);
    connect(socket_, &QTcpSocket::stateChanged, this, &Connection::onStateChanged);
    connect(socket_, &QTcpSocket::bytesWritten, this, &Connection::onBytesWritten);
}

Connection::~Connection() {
    // Nobody listens any more: the socket's last signals must go nowhere.
    socket_->disconnect(this);
    socket_->abort();
}

void Connection::open() {
    endingOnPurpose_ = true;  // the old connection's end is ours
    if (socket_->state() != QAbstractSocket::UnconnectedState) socket_->abort();
    endingOnPurpose_ = false;
    wasConnected_ = false;
    dropping_ = false;
    setStatus(QStringLiteral("Connecting to %1\u2026").arg(address_.display()));
    socket_->connectToHost(address_.host, address_.port);
}

void Connection::close() {
    endingOnPurpose_ = true;
    if (socket_->state() != QAbstractSocket::UnconnectedState) socket_->close();
    if (socket_->state() != QAbstractSocket::UnconnectedState) socket_->abort();
}

void Connection::giveUp() {
    close();
    setStatus(QStringLiteral("No answer from %1").arg(address_.display()));
}

bool Connection::isConnected() const { return socket_->state() == QAbstractSocket::ConnectedState; }

void Connection::write(std::string_view bytes) {
    if (!isConnected()) return;
    if (socket_->bytesToWrite() > kMaxUnsentBytes) {
        dropping_ = true;
        setStatus(QStringLiteral("%1 is not reading: keys are being dropped").arg(address_.display()));
        return;
    }
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QByteArray Connection::read(qint64 maxBytes) { return socket_->read(maxBytes); }

qint64 Connection::bytesAvailable() const { return socket_->bytesAvailable(); }

void Connection::setStatus(const QString& status) {
    if (status == status_) return;
    status_ = status;
    emit statusChanged(status_);
}

void Connection::onError() {
    if (endingOnPurpose_) return;
    switch (socket_->error()) {
        case QAbstractSocket::RemoteHostClosedError: return;  // the state change reports it
        case QAbstractSocket::ConnectionRefusedError:
            setStatus(QStringLiteral("Connection refused by %1").arg(address_.display()));
            emit failed(QStringLiteral("connection refused"));
            return;
        case QAbstractSocket::HostNotFoundError:
            setStatus(QStringLiteral("%1: %2").arg(address_.display(), socket_->errorString()));
            emit failed(QStringLiteral("no such host"));
            return;
        default:
            setStatus(QStringLiteral("%1: %2").arg(address_.display(), socket_->errorString()));
            emit failed(socket_->errorString());
            return;
    }
}

void Connection::onBytesWritten() {
    if (!dropping_ || socket_->bytesToWrite() > kMaxUnsentBytes) return;
    dropping_ = false;
    if (isConnected()) setStatus(QStringLiteral("Connected to %1").arg(address_.display()));
}

void Connection::onStateChanged() {
    const bool connected = isConnected();
    if (connected) {
        wasConnected_ = true;
        setStatus(QStringLiteral("Connected to %1").arg(address_.display()));
        emit established();
    } else if (wasConnected_ && socket_->state() == QAbstractSocket::UnconnectedState) {
        wasConnected_ = false;
        setStatus(QStringLiteral("Disconnected from %1").arg(address_.display()));
        if (!endingOnPurpose_) emit failed(QStringLiteral("the server closed the connection"));
    }
    emit connectedChanged(connected);
}

}  // namespace quorlak
