#pragma once
// The key broadcast between the client windows of one desktop user. Every
// running client listens on a local socket in a directory that only its
// owner can enter; a broadcast connects to every other socket there and
// hands over one key code (the sender's core runs its own copy itself).
// Nothing waits: connects, writes and reads all finish in the event loop.

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace quorlak {

class KeyBroadcast : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEndpoints = 64;  // clients reached by one broadcast
    static constexpr int kMaxOutgoing = 256;  // connects in flight at once
    static constexpr int kMaxIncoming = 32;   // peers being read at once
    static constexpr int kMaxMessageBytes = 16;
    static constexpr int kTimeoutMs = 2000;

    using KeyHandler = std::function<void(int16_t)>;

    // `directory` holds the endpoints; tests pass their own.
    explicit KeyBroadcast(QString directory = defaultDirectory(), QObject* parent = nullptr);
    ~KeyBroadcast() override;

    // $XDG_RUNTIME_DIR/quorlak-broadcast, or /tmp/quorlak-broadcast-<uid>.
    static QString defaultDirectory();

    // Makes sure the directory is ours alone and registers this client's
    // endpoint. Without it, this client neither sends nor receives.
    bool start();
    bool listening() const;
    QString endpointPath() const { return endpointPath_; }
    const QString& directory() const { return directory_; }

    // Called with each key code received, in the event loop.
    void setKeyHandler(KeyHandler handler) { handler_ = std::move(handler); }

    // A key-down with this virtual-key code for every other client.
    void broadcast(int16_t vk);

    // The wire form of one broadcast, "KEY 70\n", and its strict reading.
    static QByteArray message(int16_t vk);
    static std::optional<int16_t> parseMessage(QByteArrayView bytes);

private:
    void acceptPending();
    void sendTo(const QString& path, const QByteArray& bytes);
    void deliver(int16_t vk);

    QString directory_;
    QString endpointPath_;
    QLocalServer* server_ = nullptr;
    KeyHandler handler_;
    int outgoing_ = 0;
    int incoming_ = 0;
};

}  // namespace quorlak
