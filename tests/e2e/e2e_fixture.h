#pragma once
// One game per test: its own server, its own clients, its own private
// runtime directory (so the key broadcast reaches only this test's clients).

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <deque>

#include "e2e_support.h"

namespace quorlak::e2e {

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const QString missing = missingDesktop();
        if (!missing.isEmpty()) GTEST_SKIP() << missing.toStdString();
        server = std::make_unique<ServerProcess>(dir.path());
        QString error;
        ASSERT_TRUE(dir.isValid() && server->start(&error)) << error.toStdString();
    }
    // Clients go before their server, so they never see it vanish.
    void TearDown() override { clients.clear(); }

    // A new client window, connected; the first one at the screen's corner, the next beside it.
    ClientWindow* openClient() {
        ++opened;
        auto& client = clients.emplace_back(
            std::make_unique<ClientWindow>(dir.path(), dir.filePath(QString("state-%1.json").arg(opened))));
        QString error;
        if (client->start(server->port(), QPoint(opened % 2 == 1 ? 0 : 600, 0), &error)) return client.get();
        ADD_FAILURE() << error.toStdString();
        return nullptr;
    }

    QTemporaryDir dir;  // private to this user (0700), as the broadcast wants
    std::unique_ptr<ServerProcess> server;
    std::deque<std::unique_ptr<ClientWindow>> clients;
    int opened = 0;
};

}  // namespace quorlak::e2e
