#pragma once
// Checking the server address the player gives, in the start-up dialog or on
// the command line, before anything connects.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace quorlak {

constexpr int kMaxServerPort = 65535;
// Servers the start-up dialog offers from earlier runs.
constexpr int kMaxRecentServers = 8;

struct ServerAddress {
    QString host;  // as given: a name or a dotted address
    uint16_t port = 0;
    // "host:port", bracketing a host that holds colons.
    QString display() const;
};

// A whole number from 1 to kMaxServerPort; blanks around it are allowed.
// On refusal `error` (if given) says why, in words for the player.
std::optional<uint16_t> parsePort(const QString& text, QString* error = nullptr);

// "HOST:PORT", or "[HOST]:PORT" for an IPv6 address. The host must not be empty.
std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error = nullptr);

// The list of recent servers ("HOST:PORT", newest first) once `used` was
// connected to: it goes first, once, and the oldest beyond the limit go.
QStringList withRecentServer(QStringList recent, const ServerAddress& used);

}  // namespace quorlak
