// The window's state file: the replay's JSON plus the window's own members,
// replaced whole, soon after a change, with a bounded record of writes.

#include "gui/state_file.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core/client_core.h"
#include "gui_test_support.h"
#include "replay/replay_host.h"
#include "replay/virtual_clock.h"

using namespace quorlak;
using quorlak::test::waitUntil;

namespace {

struct Core {
    ReplayHost host;
    VirtualClock clock;
    ClientCore core{host, clock};
};

QJsonObject readState(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

}  // namespace

TEST(StateFile, WritesTheReplayStateWithTheWindowsOwnMembersSoonAfterAChange) {
    QTemporaryDir dir;
    Core c;
    c.clock.setNow(1500);
    StateFile file(dir.filePath("state.json"), c.core, c.clock);
    file.setExtras([] { return std::string("\"window\":{\"id\":7}"); });
    file.noteWrite(" 65, 0");
    file.noteWrite(std::string_view("\0\0", 2));
    file.noteItemMenu();
    file.changed();
    file.changed();  // still one write pending
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(dir.filePath("state.json")); }));

    const QJsonObject s = readState(dir.filePath("state.json"));
    ASSERT_FALSE(s.isEmpty());
    EXPECT_EQ(s["window"].toObject()["id"].toInt(), 7);
    EXPECT_EQ(s["sent"].toArray(), QJsonArray({" 65, 0", QString(2, QChar(0))}));
    EXPECT_EQ(s["itemmenus"].toInt(), 1);
    EXPECT_EQ(s["clock"].toDouble(), 1500);
    EXPECT_EQ(s["caption"].toString(), QStringLiteral("Duvur Quorlak"));
    EXPECT_EQ(s["griditems"].toObject()["rows"].toArray().size(), 98);
    // an unwritable place fails quietly
    StateFile nowhere(dir.filePath("missing/dir/state.json"), c.core, c.clock);
    EXPECT_FALSE(nowhere.writeNow());
}

TEST(StateFile, KeepsOnlyTheNewestWrites) {
    Core c;
    StateFile file(QStringLiteral("unused.json"), c.core, c.clock);
    const int total = static_cast<int>(StateFile::kMaxWritesKept) * 3 + 5;
    for (int i = 0; i < total; ++i) file.noteWrite(std::to_string(i));
    ASSERT_LE(file.writes().size(), StateFile::kMaxWritesKept);
    EXPECT_GE(file.writes().size(), StateFile::kMaxWritesKept * 3 / 4);
    EXPECT_EQ(file.writes().back(), std::to_string(total - 1));
    // Still in order, with nothing missing in between.
    const int first = std::stoi(file.writes().front());
    for (size_t i = 0; i < file.writes().size(); ++i) EXPECT_EQ(file.writes()[i], std::to_string(first + int(i)));
}
