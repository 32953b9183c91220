// The key broadcast between clients, several in one process sharing a
// temporary endpoint directory.
#include "gui/key_broadcast.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "gui_test_support.h"

using namespace quorlak;
using quorlak::test::waitUntil;

namespace {

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

// A socket file nobody listens on, as a crashed client leaves behind.
void makeStaleEndpoint(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(addr.sun_path, native.constData(), std::min(sizeof addr.sun_path - 1, size_t(native.size())));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
}

struct Client {
    explicit Client(const QString& dir) : broadcast(std::make_unique<KeyBroadcast>(dir)) {
        broadcast->setKeyHandler([this](int16_t vk) { received.push_back(vk); });
    }
    std::unique_ptr<KeyBroadcast> broadcast;
    std::vector<int16_t> received;
};

class Broadcast : public ::testing::Test {
protected:
    QString dir() const { return temp.path() + QStringLiteral("/endpoints"); }
    std::unique_ptr<Client> startClient() {
        auto client = std::make_unique<Client>(dir());
        EXPECT_TRUE(client->broadcast->start());
        return client;
    }
    QStringList endpoints() const { return QDir(dir()).entryList(QDir::System | QDir::Files); }
    // A peer connected to the client's endpoint.
    std::unique_ptr<QLocalSocket> peerOf(Client& client) {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(client.broadcast->endpointPath());
        EXPECT_TRUE(waitUntil([&] { return peer->state() == QLocalSocket::ConnectedState; }));
        return peer;
    }
    QTemporaryDir temp;
};

}  // namespace

TEST_F(Broadcast, EveryOtherClientGetsTheKeyTheSenderNone) {
    auto a = startClient(), b = startClient(), c = startClient();
    a->broadcast->broadcast(70);
    ASSERT_TRUE(waitUntil([&] { return b->received.size() + c->received.size() == 2; }));
    QTest::qWait(100);
    EXPECT_TRUE(a->received.empty());  // its own copy is the sender's core's to run
    EXPECT_EQ(b->received, std::vector<int16_t>{70});
    EXPECT_EQ(c->received, std::vector<int16_t>{70});
    // keys outside the virtual-key range are not sent
    for (const int16_t vk : {0, -70, 300}) a->broadcast->broadcast(vk);
    QTest::qWait(100);
    EXPECT_EQ(b->received.size(), 1u);
}

TEST_F(Broadcast, DirectoryAndEndpointsAreTheOwnersAloneAndGoWithTheirClient) {
    ASSERT_TRUE(QDir().mkdir(dir()));
    ASSERT_EQ(::chmod(QFile::encodeName(dir()).constData(), 0777), 0);  // a loose one is closed to others
    auto a = startClient(), b = startClient();
    EXPECT_EQ(modeOf(dir()) & 0777, 0700u);
    EXPECT_TRUE(S_ISSOCK(modeOf(a->broadcast->endpointPath())));
    EXPECT_EQ(modeOf(a->broadcast->endpointPath()) & 0077, 0u);
    EXPECT_EQ(endpoints().size(), 2);
    b.reset();
    EXPECT_EQ(endpoints().size(), 1);
}

TEST_F(Broadcast, SymlinkedDirectoryIsRefused) {
    const QString real = temp.path() + QStringLiteral("/real");
    ASSERT_TRUE(QDir().mkdir(real));
    ASSERT_TRUE(QFile::link(real, dir()));
    Client a(dir());
    EXPECT_FALSE(a.broadcast->start());
    EXPECT_TRUE(QDir(real).entryList(QDir::System | QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Broadcast, DeadClientsEndpointIsCleanedUpAndFilesThatAreNoEndpointsAreLeftAlone) {
    auto a = startClient(), b = startClient();
    const QString stale = dir() + QStringLiteral("/client-999999-0123456789abcdef");
    makeStaleEndpoint(stale);
    const QString oddName = dir() + QStringLiteral("/other-socket");
    makeStaleEndpoint(oddName);
    const QString plain = dir() + QStringLiteral("/client-1-0123456789abcdef");
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    a->broadcast->broadcast(70);
    ASSERT_TRUE(waitUntil([&] { return !QFile::exists(stale) && b->received.size() == 1; }));
    QTest::qWait(100);
    EXPECT_TRUE(QFile::exists(plain) && QFile::exists(oddName));
    EXPECT_EQ(endpoints().size(), 4);  // the two clients' and the two strangers
}

TEST_F(Broadcast, MalformedOrOversizedMessagesAreIgnored) {
    EXPECT_EQ(KeyBroadcast::message(70), QByteArray("KEY 70\n"));
    for (const int16_t vk : {70, 79, 1, 254}) EXPECT_EQ(KeyBroadcast::parseMessage(KeyBroadcast::message(vk)), vk);
    for (const char* bad :
         {"KEY 70", "KEY 70\r\n", "key 70\n", "KEY  70\n", "KEY 070\n", "KEY 0\n", "KEY 255\n", "KEY -70\n", "KEY +7\n",
          "KEY 7a\n", "KEY \n", "KEY 1234\n", "\n", "", "XKEY 70\n", "KEY 70\nKEY 79\n"})
        EXPECT_EQ(KeyBroadcast::parseMessage(bad), std::nullopt) << bad;
    auto a = startClient();
    std::vector<std::unique_ptr<QLocalSocket>> peers;
    for (const QByteArray& junk : {QByteArray("KEY 70"), QByteArray("KEY 999\n"), QByteArray("HELLO\n"),
                                   QByteArray(4096, 'K'), QByteArray("KEY 07\n")}) {
        peers.push_back(peerOf(*a));
        peers.back()->write(junk);
        peers.back()->flush();
    }
    // a good message behind them still arrives, and only it
    peers.push_back(peerOf(*a));
    peers.back()->write("KEY 79\n");
    ASSERT_TRUE(waitUntil([&] { return !a->received.empty(); }));
    QTest::qWait(100);
    EXPECT_EQ(a->received, std::vector<int16_t>{79});
}

TEST_F(Broadcast, SilentPeersAreDroppedAndDoNotBlockOthers) {
    auto a = startClient(), b = startClient();
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < KeyBroadcast::kMaxIncoming + 8; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(a->broadcast->endpointPath());
    }
    // after the read timeout the slots are free again
    ASSERT_TRUE(waitUntil(
        [&] {
            return std::all_of(silent.begin(), silent.end(),
                               [](const auto& p) { return p->state() == QLocalSocket::UnconnectedState; });
        },
        KeyBroadcast::kTimeoutMs * 4));
    b->broadcast->broadcast(70);
    ASSERT_TRUE(waitUntil([&] { return !a->received.empty(); }));
}
