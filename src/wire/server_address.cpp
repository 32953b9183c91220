#include "wire/server_address.h"

#include <algorithm>

namespace quorlak {

namespace {

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

QString ServerAddress::display() const {
    const QString shown = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shown + QLatin1Char(':') + QString::number(port);
}

std::optional<uint16_t> parsePort(const QString& text, QString* error) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        setError(error, QStringLiteral("Please enter the server's port number."));
        return std::nullopt;
    }
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-')) {
        negative = t[0] == QLatin1Char('-');
        ++i;
    }
    if (i == t.size()) {
        setError(error, QStringLiteral("The port must be a whole number, such as 1212."));
        return std::nullopt;
    }
    // Accumulate with a ceiling so that a long run of digits cannot overflow.
    int value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') {
            setError(error, QStringLiteral("The port must be a whole number, such as 1212."));
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - u'0'), kMaxServerPort + 1);
    }
    if (value == 0) {
        setError(error, QStringLiteral("Port 0 is no port a server listens on: the port must be from 1 to %1.")
                            .arg(kMaxServerPort));
        return std::nullopt;
    }
    if (negative || value > kMaxServerPort) {
        setError(error, QStringLiteral("The port must be from 1 to %1.").arg(kMaxServerPort));
        return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

QStringList withRecentServer(QStringList recent, const ServerAddress& used) {
    const QString shown = used.display();
    recent.removeAll(shown);
    recent.prepend(shown);
    while (recent.size() > kMaxRecentServers) recent.removeLast();
    return recent;
}

std::optional<ServerAddress> parseServerAddress(const QString& text, QString* error) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        setError(error, QStringLiteral("expected HOST:PORT, got \"%1\"").arg(text));
        return std::nullopt;
    }
    QString host = text.left(colon);
    if (host.size() >= 2 && host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (host.isEmpty()) {
        setError(error, QStringLiteral("no host name before the port in \"%1\"").arg(text));
        return std::nullopt;
    }
    QString portError;
    const auto port = parsePort(text.mid(colon + 1), &portError);
    if (!port) {
        setError(error, portError);
        return std::nullopt;
    }
    return ServerAddress{host, *port};
}

}  // namespace quorlak
