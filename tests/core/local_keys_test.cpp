// The tab strip follows the lists that keys ask for, as it follows clicks.
#include <gtest/gtest.h>

#include <QFont>

#include "replay/replay_session.h"
#include "replay/script.h"
#include "test_app.h"

using namespace quorlak;

TEST(ListKeys, TheTabStripShowsTheListAKeyAfterF7AskedFor) {
    test::ensureGuiApp();
    ReplaySession client(Pictures{}, QFont());
    auto key = [&](int vk, int mask = 0) {
        std::string error;
        const auto event =
            parseScriptLine(QStringLiteral(R"({"keydown": %1, "mask": %2})").arg(vk).arg(mask).toStdString(), error);
        ASSERT_TRUE(event && client.run(*event, error)) << error;
    };
    const std::tuple<int, int, int> lists[] = {{'S', 0, 2}, {'S', 1, 3}, {'C', 0, 4},
                                               {'A', 0, 5}, {'E', 0, 6}, {'3', 0, 1}};
    for (const auto& [vk, mask, tab] : lists) {
        key(118);
        key(vk, mask);
        EXPECT_EQ(client.core().tabs().selected, tab) << vk << "/" << mask;
    }
    key('E');  // without F7 just a letter
    EXPECT_EQ(client.core().tabs().selected, 1);
}
