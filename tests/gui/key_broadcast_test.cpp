// The key broadcast between clients, several in one process sharing a
// temporary endpoint directory.
#include "gui/key_broadcast.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

using namespace quorlak;

namespace {

// Runs the event loop until the condition holds; false if it never does.
bool spinUntil(const std::function<bool()>& done, int limitMs = 5000) {
    const QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Lets the loop run a while for things that must not happen.
void spinFor(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return 0;
    return st.st_mode;
}

// A socket file nobody listens on, as a crashed client leaves behind.
void makeStaleEndpoint(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    ASSERT_LT(static_cast<size_t>(native.size()), sizeof addr.sun_path);
    std::memcpy(addr.sun_path, native.constData(), static_cast<size_t>(native.size()));
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
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }
    QString dir() const { return temp.path() + QStringLiteral("/endpoints"); }
    std::unique_ptr<Client> startClient() {
        auto client = std::make_unique<Client>(dir());
        EXPECT_TRUE(client->broadcast->start());
        return client;
    }
    QStringList endpoints() const { return QDir(dir()).entryList(QDir::System | QDir::Files); }

    QTemporaryDir temp;
};

}  // namespace

// --- delivery ---------------------------------------------------------------------

TEST_F(Broadcast, EveryOtherClientGetsTheKeyTheSenderNone) {
    auto a = startClient();
    auto b = startClient();
    auto c = startClient();
    a->broadcast->broadcast(70);
    ASSERT_TRUE(spinUntil([&] { return b->received.size() + c->received.size() == 2; }));
    spinFor(100);
    EXPECT_TRUE(a->received.empty());  // its own copy is the sender's core's to run
    EXPECT_EQ(b->received, std::vector<int16_t>{70});
    EXPECT_EQ(c->received, std::vector<int16_t>{70});
}

// --- the endpoint directory -------------------------------------------------------

TEST_F(Broadcast, DirectoryAndEndpointsAreTheOwnersAlone) {
    auto a = startClient();
    EXPECT_EQ(modeOf(dir()) & 0777, 0700u);
    EXPECT_TRUE(S_ISSOCK(modeOf(a->broadcast->endpointPath())));
    EXPECT_EQ(modeOf(a->broadcast->endpointPath()) & 0077, 0u);
    EXPECT_EQ(endpoints().size(), 1);
}

TEST_F(Broadcast, LooseDirectoryIsClosedToOthers) {
    ASSERT_TRUE(QDir().mkdir(dir()));
    ASSERT_EQ(::chmod(QFile::encodeName(dir()).constData(), 0777), 0);
    auto a = startClient();
    EXPECT_EQ(modeOf(dir()) & 0777, 0700u);
}

TEST_F(Broadcast, SymlinkedDirectoryIsRefused) {
    const QString real = temp.path() + QStringLiteral("/real");
    ASSERT_TRUE(QDir().mkdir(real));
    ASSERT_TRUE(QFile::link(real, dir()));
    Client a(dir());
    EXPECT_FALSE(a.broadcast->start());
    EXPECT_TRUE(QDir(real).entryList(QDir::System | QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Broadcast, ClosingAClientRemovesItsEndpoint) {
    auto a = startClient();
    auto b = startClient();
    EXPECT_EQ(endpoints().size(), 2);
    b.reset();
    EXPECT_EQ(endpoints().size(), 1);
}

TEST_F(Broadcast, DeadClientsEndpointIsCleanedUpAndOthersStillServed) {
    auto a = startClient();
    auto b = startClient();
    const QString stale = dir() + QStringLiteral("/client-999999-0123456789abcdef");
    makeStaleEndpoint(stale);
    ASSERT_TRUE(QFile::exists(stale));
    a->broadcast->broadcast(70);
    ASSERT_TRUE(spinUntil([&] { return !QFile::exists(stale) && b->received.size() == 1; }));
    EXPECT_EQ(endpoints().size(), 2);
}

TEST_F(Broadcast, FilesThatAreNoEndpointsAreLeftAlone) {
    auto a = startClient();
    auto b = startClient();
    const QString plain = dir() + QStringLiteral("/client-1-0123456789abcdef");
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString oddName = dir() + QStringLiteral("/other-socket");
    makeStaleEndpoint(oddName);
    a->broadcast->broadcast(70);
    ASSERT_TRUE(spinUntil([&] { return !b->received.empty(); }));
    spinFor(100);
    EXPECT_TRUE(QFile::exists(plain));
    EXPECT_TRUE(QFile::exists(oddName));
}

// --- messages --------------------------------------------------------------------

TEST(BroadcastMessage, WireFormRoundTrips) {
    EXPECT_EQ(KeyBroadcast::message(70), QByteArray("KEY 70\n"));
    EXPECT_EQ(KeyBroadcast::parseMessage("KEY 70\n"), 70);
    EXPECT_EQ(KeyBroadcast::parseMessage("KEY 79\n"), 79);
    EXPECT_EQ(KeyBroadcast::parseMessage("KEY 1\n"), 1);
    EXPECT_EQ(KeyBroadcast::parseMessage("KEY 254\n"), 254);
}

TEST(BroadcastMessage, AnythingElseIsRejected) {
    for (const char* bad :
         {"KEY 70", "KEY 70\r\n", "key 70\n", "KEY  70\n", "KEY 070\n", "KEY 0\n", "KEY 255\n", "KEY -70\n", "KEY +7\n",
          "KEY 7a\n", "KEY \n", "KEY 1234\n", "\n", "", "XKEY 70\n", "KEY 70\nKEY 79\n"})
        EXPECT_EQ(KeyBroadcast::parseMessage(bad), std::nullopt) << bad;
}

TEST_F(Broadcast, MalformedOrOversizedMessagesAreIgnored) {
    auto a = startClient();
    const QByteArray junk[] = {"KEY 70", "KEY 999\n", "HELLO\n", QByteArray(4096, 'K'), "KEY 07\n"};
    std::vector<std::unique_ptr<QLocalSocket>> peers;
    for (const auto& bytes : junk) {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(a->broadcast->endpointPath());
        ASSERT_TRUE(spinUntil([&] { return peer->state() == QLocalSocket::ConnectedState; }));
        peer->write(bytes);
        peer->flush();
        peers.push_back(std::move(peer));
    }
    // A good message behind them still arrives, and only it.
    auto good = std::make_unique<QLocalSocket>();
    good->connectToServer(a->broadcast->endpointPath());
    ASSERT_TRUE(spinUntil([&] { return good->state() == QLocalSocket::ConnectedState; }));
    good->write("KEY 79\n");
    ASSERT_TRUE(spinUntil([&] { return !a->received.empty(); }));
    spinFor(100);
    EXPECT_EQ(a->received, std::vector<int16_t>{79});
}

TEST_F(Broadcast, SilentPeersAreDroppedAndDoNotBlockOthers) {
    auto a = startClient();
    auto b = startClient();
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < KeyBroadcast::kMaxIncoming + 8; ++i) {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(a->broadcast->endpointPath());
        silent.push_back(std::move(peer));
    }
    spinFor(50);
    // After the read timeout the slots are free again.
    ASSERT_TRUE(spinUntil(
        [&] {
            return std::all_of(silent.begin(), silent.end(),
                               [](const auto& p) { return p->state() == QLocalSocket::UnconnectedState; });
        },
        KeyBroadcast::kTimeoutMs * 4));
    b->broadcast->broadcast(70);
    ASSERT_TRUE(spinUntil([&] { return !a->received.empty(); }));
}

TEST_F(Broadcast, KeysOutsideTheVirtualKeyRangeAreNotSent) {
    auto a = startClient();
    a->broadcast->broadcast(0);
    a->broadcast->broadcast(-70);
    a->broadcast->broadcast(300);
    spinFor(100);
    EXPECT_TRUE(a->received.empty());
}
