// The world's plans: every area is one screen of map, the areas join at their
// open edges, and every floor cell can be reached from the start.

#include <gtest/gtest.h>

#include "test_player.h"

using namespace quorlak::server;

TEST(WorldPlans, AreasFitTheScreenJoinAtTheirEdgesAndCanAllBeWalked) {
    const QHash<int, int> reached = test::walkingDistances(world::startPlace());
    for (int a = 0; a < world::areas().size(); ++a) {
        const Area& area = world::area(a);
        const std::string name = area.name.toStdString();
        ASSERT_EQ(area.plan.size(), world::kRows) << name;
        for (const QString& row : area.plan) ASSERT_EQ(row.size(), world::kColumns) << name;
        EXPECT_LE(area.name.size(), 22);  // the width of the title
        for (char digit : area.groups.keys()) EXPECT_EQ(area.plan.join("").count(QChar(digit)), 1) << name << digit;
        for (int y = 0; y < world::kRows; ++y) {
            for (int x = 0; x < world::kColumns; ++x) {
                if (!world::isWalkable(world::tileAt({a, {x, y}}))) continue;
                EXPECT_TRUE(reached.contains(test::placeId({a, {x, y}}))) << name << " " << x << "," << y;
                // An opening on an edge leads somewhere.
                const QPoint outward(x == 0                     ? -1
                                     : x == world::kColumns - 1 ? 1
                                                                : 0,
                                     y == 0                  ? -1
                                     : y == world::kRows - 1 ? 1
                                                             : 0);
                EXPECT_TRUE(outward.isNull() || world::step({a, {x, y}}, outward)) << name << " " << x << "," << y;
            }
        }
    }
}
