#include "gui/key_broadcast.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <cerrno>
#include <memory>

namespace quorlak {

namespace {

constexpr int16_t kMinVk = 1;
constexpr int16_t kMaxVk = 254;

const QRegularExpression& endpointName() {
    static const QRegularExpression re(QStringLiteral("^client-[0-9]{1,10}-[0-9a-f]{16}$"));
    return re;
}

// The directory exists, is a real directory (not a link), belongs to us and
// lets nobody else in.
bool ensurePrivateDirectory(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
    if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0) return false;
    return true;
}

// An endpoint we may connect to: a socket of our own, not a link to elsewhere.
bool isOwnSocket(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return false;
    return S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid();
}

bool peerIsUs(QLocalSocket* peer) {
#ifdef SO_PEERCRED
    struct ucred cred {};
    socklen_t len = sizeof cred;
    if (::getsockopt(static_cast<int>(peer->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0)
        return false;
    return cred.uid == ::geteuid();
#else
    Q_UNUSED(peer);
    return true;  // the private directory already keeps others out
#endif
}

QString randomHex16() { return QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, u'0'); }

}  // namespace

KeyBroadcast::KeyBroadcast(QString directory, QObject* parent) : QObject(parent), directory_(std::move(directory)) {}

KeyBroadcast::~KeyBroadcast() {
    if (server_) server_->close();
    if (!endpointPath_.isEmpty()) QFile::remove(endpointPath_);
}

QString KeyBroadcast::defaultDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat st {};
    if (QDir::isAbsolutePath(runtime) && ::stat(QFile::encodeName(runtime).constData(), &st) == 0 &&
        S_ISDIR(st.st_mode) && st.st_uid == ::geteuid())
        return runtime + QStringLiteral("/quorlak-broadcast");
    return QStringLiteral("/tmp/quorlak-broadcast-%1").arg(::geteuid());
}

bool KeyBroadcast::listening() const { return server_ && server_->isListening(); }

bool KeyBroadcast::start() {
    if (listening()) return true;
    if (!ensurePrivateDirectory(directory_)) return false;

    const QString name = QStringLiteral("client-%1-%2").arg(::getpid()).arg(randomHex16());
    // Listen under a name no broadcaster reads, then move into place: a
    // broadcaster must never meet a bound socket that is not yet listening,
    // or it would take it for a dead client's and remove it.
    const QString pending = directory_ + QStringLiteral("/.pending-") + name;
    const QString endpoint = directory_ + u'/' + name;

    auto* server = new QLocalServer(this);
    server->setMaxPendingConnections(kMaxIncoming);
    if (!server->listen(pending)) {
        delete server;
        return false;
    }
    const QByteArray pendingNative = QFile::encodeName(pending);
    if (::chmod(pendingNative.constData(), 0600) != 0 ||
        ::rename(pendingNative.constData(), QFile::encodeName(endpoint).constData()) != 0) {
        delete server;
        QFile::remove(pending);
        return false;
    }
    server_ = server;
    endpointPath_ = endpoint;
    connect(server_, &QLocalServer::newConnection, this, &KeyBroadcast::acceptPending);
    return true;
}

QByteArray KeyBroadcast::message(int16_t vk) { return "KEY " + QByteArray::number(vk) + '\n'; }

std::optional<int16_t> KeyBroadcast::parseMessage(QByteArrayView bytes) {
    static const QByteArrayView prefix("KEY ");
    if (bytes.size() < prefix.size() + 2 || bytes.size() > prefix.size() + 4) return std::nullopt;
    if (!bytes.startsWith(prefix) || !bytes.endsWith('\n')) return std::nullopt;
    const QByteArrayView digits = bytes.sliced(prefix.size(), bytes.size() - prefix.size() - 1);
    if (digits.front() == '0') return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < kMinVk || value > kMaxVk) return std::nullopt;
    return static_cast<int16_t>(value);
}

void KeyBroadcast::broadcast(int16_t vk) {
    if (vk < kMinVk || vk > kMaxVk) return;
    if (!listening() || !ensurePrivateDirectory(directory_)) return;
    const QByteArray bytes = message(vk);
    const QStringList names = QDir(directory_).entryList(QDir::System | QDir::Files, QDir::Name);
    int reached = 0;
    for (const QString& name : names) {
        if (reached == kMaxEndpoints) break;
        if (!endpointName().match(name).hasMatch()) continue;
        const QString path = directory_ + u'/' + name;
        if (path == endpointPath_ || !isOwnSocket(path)) continue;
        sendTo(path, bytes);
        ++reached;
    }
}

void KeyBroadcast::sendTo(const QString& path, const QByteArray& bytes) {
    if (outgoing_ >= kMaxOutgoing) return;
    ++outgoing_;
    auto* socket = new QLocalSocket(this);
    auto finished = std::make_shared<bool>(false);
    auto finish = [this, socket, finished] {
        if (*finished) return;
        *finished = true;
        --outgoing_;
        socket->deleteLater();
    };
    connect(socket, &QLocalSocket::connected, socket, [socket, bytes] {
        socket->write(bytes);
        socket->disconnectFromServer();  // after the bytes are out
    });
    connect(socket, &QLocalSocket::disconnected, this, finish);
    connect(socket, &QLocalSocket::errorOccurred, this, [socket, path, finish](QLocalSocket::LocalSocketError error) {
        // Nobody listens there any more: a client that died.
        if (error == QLocalSocket::ConnectionRefusedError && isOwnSocket(path)) QFile::remove(path);
        socket->abort();
        finish();
    });
    QTimer::singleShot(kTimeoutMs, socket, [socket, finish] {
        socket->abort();
        finish();
    });
    socket->connectToServer(path);
}

void KeyBroadcast::acceptPending() {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        if (incoming_ >= kMaxIncoming || !peerIsUs(peer)) {
            peer->abort();
            peer->deleteLater();
            continue;
        }
        ++incoming_;
        peer->setReadBufferSize(kMaxMessageBytes);
        auto finished = std::make_shared<bool>(false);
        auto finish = [this, peer, finished] {
            if (*finished) return;
            *finished = true;
            --incoming_;
            peer->deleteLater();
        };
        connect(peer, &QLocalSocket::readyRead, this, [this, peer, finish] {
            if (peer->canReadLine()) {
                const QByteArray line = peer->readLine();
                if (const auto vk = parseMessage(line)) deliver(*vk);
                peer->abort();
                finish();
            } else if (peer->bytesAvailable() >= kMaxMessageBytes) {
                peer->abort();  // too long to be a message
                finish();
            }
        });
        connect(peer, &QLocalSocket::disconnected, this, finish);
        QTimer::singleShot(kTimeoutMs, peer, [peer, finish] {
            peer->abort();
            finish();
        });
    }
}

void KeyBroadcast::deliver(int16_t vk) {
    if (handler_) handler_(vk);
}

}  // namespace quorlak
