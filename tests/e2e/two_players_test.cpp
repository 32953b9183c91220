// Two players, each in a window of their own, on one server: what one does
// reaches the other through the game; and the key broadcast drives every client.

#include <QJsonArray>

#include "e2e_fixture.h"

using namespace quorlak::e2e;

namespace {

// The message grid's first row of this kind, or -1.
int findMessage(const QJsonObject& s, const QString& kind, const QString& words) {
    const QJsonArray rows = gridRows(s, "gridmess");
    for (int r = 0; r < rows.size(); ++r)
        if (text(rows[r], "kind") == kind && text(rows[r], "text") == words) return r;
    return -1;
}

}  // namespace

TEST_F(EndToEnd, ASecondPlayerRaisesTheUserCountWithOneWarningAndAMessageRowClickAnswersThem) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["lastusers"].toInt() == 1; }));
    EXPECT_EQ(ann->lastState()["beeps"].toInt(), 0);
    ClientWindow* bob = openClient();
    ASSERT_TRUE(bob && bob->enterGame("Bob"));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["lastusers"].toInt() == 2; }));
    EXPECT_EQ(ann->lastState()["beeps"].toInt(), 1);
    // Bob's first count is already two: nothing rose from one
    EXPECT_TRUE(bob->waitForState([](const QJsonObject& s) { return s["lastusers"].toInt() == 2; }));
    EXPECT_EQ(bob->lastState()["beeps"].toInt(), 0);

    ASSERT_TRUE(bob->type("say hi") && bob->keys({"Return"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return findMessage(s, "R", "hi") >= 0; }));
    const QJsonObject s = ann->lastState();
    const int row = findMessage(s, "R", "hi");
    EXPECT_EQ(text(gridRows(s, "gridmess")[row], "name"), "Bob" + QString(18, ' '));
    const int shownAt = row - s["gridmess"]["toprow"].toInt();
    ASSERT_TRUE(shownAt >= 0 && shownAt * 16 + 16 <= s["gridmess"]["height"].toInt()) << row << " not in view";
    // a click on the sender's name (the newest row's message cell is already the current cell)
    ASSERT_TRUE(ann->clickDisplay(QPoint(60, s["gridmess"]["top"].toInt() + shownAt * 16 + 8), 1));
    EXPECT_TRUE(server->waitForKeys(1, {"77,1", "80,0", "66,1", "79,0", "66,0"}));
    // the server asks for the words; Bob gets them as a private message
    ASSERT_TRUE(ann->type("yo") && ann->keys({"Return"}));
    EXPECT_TRUE(bob->waitForState([](const QJsonObject& s) { return findMessage(s, "P", "yo") >= 0; }));
    const QJsonValue got = gridRows(bob->lastState(), "gridmess")[findMessage(bob->lastState(), "P", "yo")];
    EXPECT_TRUE(text(got, "name").startsWith("Ann "));
    EXPECT_EQ(text(got, "color"), "#ff0000");

    // Ann leaves and comes back: now Bob hears the count rise from one
    clients.pop_front();
    ASSERT_TRUE(bob->waitForState([](const QJsonObject& s) { return s["lastusers"].toInt() == 1; }));
    ClientWindow* again = openClient();
    ASSERT_TRUE(again && again->enterGame("Ann"));
    EXPECT_TRUE(bob->waitForState([](const QJsonObject& s) { return s["beeps"].toInt() == 1; }));
    EXPECT_EQ(bob->lastState()["lastusers"].toInt(), 2);
}

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
