// The key broadcast between client processes: a back-quote typed in one window
// drives every client window of the desktop, whatever server each plays on.

#include <QDir>

#include "e2e_support.h"

using namespace quorlak::e2e;

// Three clients, each playing on a server of its own: one back-quote drives all three.
TEST_F(EndToEnd, TheBackQuoteDrivesAllClientsEvenOnServersOfTheirOwn) {
    std::vector<std::unique_ptr<ServerProcess>> servers;
    std::vector<std::unique_ptr<ClientWindow>> windows;
    for (int i = 0; i < 3; ++i) {
        const QString sub = dir.filePath(QStringLiteral("game-%1").arg(i));
        ASSERT_TRUE(QDir().mkpath(sub));
        servers.push_back(std::make_unique<ServerProcess>(sub, 7 + i));
        QString error;
        ASSERT_TRUE(servers.back()->start(&error)) << error.toStdString();
        // All three share this test's runtime directory, so the broadcast reaches each of them.
        windows.push_back(std::make_unique<ClientWindow>(dir.path(), sub + QStringLiteral("/state.json")));
        ASSERT_TRUE(windows.back()->start(servers.back()->port(), QPoint(i * 400, i * 100), &error))
            << error.toStdString();
    }

    ASSERT_TRUE(windows[1]->keys({"grave"}));
    EXPECT_TRUE(servers[1]->waitForKeys(1, {"192,0", "70,0"})) << servers[1]->keysFrom(1).join(' ').toStdString();
    for (int i : {0, 2}) {
        EXPECT_TRUE(servers[i]->waitForKeys(1, {"70,0"})) << "server " << i;
        EXPECT_EQ(servers[i]->keysFrom(1), QStringList({"70,0"})) << "server " << i;
    }
    windows.clear();  // clients go before their servers
}
