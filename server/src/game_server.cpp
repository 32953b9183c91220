#include "game_server.h"

#include <QFile>
#include <QTcpSocket>
#include <iostream>
#include <utility>

#include "client_connection.h"
#include "realm.h"

namespace quorlak::server {

namespace {

// Spreads the connection numbers over the seed space (the golden ratio's bits).
constexpr quint64 kSeedSpread = 0x9E3779B97F4A7C15ull;

}  // namespace

GameServer::GameServer(quint32 seed, QObject* parent)
    : QObject(parent),
      realm_(std::make_unique<Realm>()),
      seed_(seed),
      outputLimit_(ClientConnection::kDefaultOutputLimit) {
    connect(&listener_, &QTcpServer::newConnection, this, &GameServer::acceptConnections);
}

GameServer::~GameServer() {
    listener_.close();
    // Sessions leave the realm as they go, so they go before it.
    qDeleteAll(std::exchange(connections_, {}));
    stopRecording();
}

bool GameServer::listen(quint16 port, QString* error) {
    if (listener_.listen(QHostAddress::LocalHost, port)) return true;
    if (error) *error = listener_.errorString();
    return false;
}

quint16 GameServer::port() const { return listener_.serverPort(); }

void GameServer::close() { listener_.close(); }

void GameServer::setRecordFile(const QString& path) { recordPath_ = path; }

bool GameServer::setInputLogFile(const QString& path, QString* error) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error) *error = file->errorString();
        return false;
    }
    for (ClientConnection* connection : std::as_const(connections_)) connection->setInputLog(file.get());
    inputLog_ = std::move(file);
    return true;
}

void GameServer::acceptConnections() {
    while (QTcpSocket* socket = listener_.nextPendingConnection()) {
        ++connectionsSeen_;
        // Each player's game has its own generator: the same seed and keys
        // give the same game whatever the others do.
        const quint64 seed = (quint64(seed_) << 32) ^ (connectionsSeen_ * kSeedSpread);
        auto* connection = new ClientConnection(socket, *realm_, seed, this);
        connection->setOutputLimit(outputLimit_);
        connection->setNumber(connectionsSeen_);
        connection->setInputLog(inputLog_.get());
        connect(connection, &ClientConnection::finished, this, &GameServer::removeConnection);
        connections_.append(connection);
        if (connectionsSeen_ == 1 && !recordPath_.isEmpty()) {
            recording_ = std::make_unique<QFile>(recordPath_);
            if (recording_->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                connection->setRecording(recording_.get());
                recorded_ = connection;
            } else {
                std::cerr << "quorlak-server: cannot record to " << recordPath_.toStdString() << ": "
                          << recording_->errorString().toStdString() << std::endl;
                recording_.reset();
            }
        }
        connection->start();
    }
}

void GameServer::removeConnection(ClientConnection* connection) {
    if (!connections_.removeOne(connection)) return;
    if (connection == recorded_) stopRecording();
    // Later: this may be reached from inside the connection's own call chain.
    connection->deleteLater();
}

void GameServer::stopRecording() {
    if (!recording_) return;
    if (recorded_) recorded_->setRecording(nullptr);
    recorded_ = nullptr;
    recording_->close();
    recording_.reset();
}

}  // namespace quorlak::server
