// Faults and hot spots found by the benchmark, the fuzz targets and the soak
// run, each pinned by the case that showed it.
#include <gtest/gtest.h>

#include <QFont>
#include <cstdlib>
#include <random>
#include <string>

#include "base/val_rule.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "test_app.h"
#include "wire/coords.h"

using namespace quorlak;

namespace {

// The general reading the lenient rule comes down to for plain integers.
double strtodOf(const std::string& digits) { return std::strtod(digits.c_str(), nullptr); }

}  // namespace

// Plain integers skip strtod; they must read exactly as before, at every length.
TEST(SoakRegressions, PlainIntegersReadAsTheGeneralRuleReadsThem) {
    std::mt19937 dice(7);
    for (int length = 1; length <= 19; ++length) {
        for (int trial = 0; trial < 50; ++trial) {
            std::string digits;
            for (int i = 0; i < length; ++i) digits += char('0' + dice() % 10);
            const std::string sign = trial % 3 == 0 ? "-" : trial % 3 == 1 ? "+" : "";
            const double expected = strtodOf(sign + digits);
            EXPECT_EQ(valNumber(sign + digits), expected) << sign + digits;
            EXPECT_EQ(valNumber(" " + sign + " " + digits + ")"), expected) << sign + digits;
        }
    }
    EXPECT_TRUE(std::signbit(valNumber("-0")));
    EXPECT_EQ(valNumber("12e"), 12);
    EXPECT_EQ(valNumber("12d1"), 120);
}

// Arguments are rewritten in a small buffer; longer ones must decode the same.
TEST(SoakRegressions, LongCoordinateArgumentsDecodeLikeShortOnes) {
    for (const size_t blanks : {0u, 40u, 63u, 64u, 65u, 5000u}) {
        Points pts;
        const std::string arg = "(" + std::string(blanks, ' ') + "10,20)-(30," + std::string(blanks, ' ') + "40)";
        ASSERT_TRUE(decodePoints(arg, pts)) << blanks;
        EXPECT_EQ(pts.x[0], 10);
        EXPECT_EQ(pts.y[0], 20);
        EXPECT_EQ(pts.x[1], 30);
        EXPECT_EQ(pts.y[1], 40);
    }
    Points pts;
    EXPECT_FALSE(decodePoints("(" + std::string(200, '9') + ",1)", pts));
}

class ReplayMemoryTest : public ::testing::Test {
protected:
    ReplayMemoryTest() : session_(Pictures{}, QFont(), 512, 512, 4096) { test::ensureGuiApp(); }
    void run(std::string_view line) {
        std::string error;
        auto ev = parseScriptLine(line, error);
        ASSERT_TRUE(ev) << error;
        ASSERT_TRUE(session_.run(*ev, error)) << error;
    }
    ReplaySession session_;
};

// A long replay delivered file by file kept every file for good.
TEST_F(ReplayMemoryTest, DeliveredFilesAreLetGo) {
    for (int i = 0; i < 20; ++i) {
        session_.receiveFile(std::string(100000, 'x') + "\x1flc(" + std::to_string(i) + ",9)\x1f");
        EXPECT_EQ(session_.heldBytes(), 0u);
    }
    EXPECT_EQ(session_.core().canvas().currentX, 19);
}

TEST_F(ReplayMemoryTest, BytesWaitingBehindAPauseAreKeptUntilDelivered) {
    session_.receiveFile("pz100\x1flc(1,2)\x1f");
    const std::string later = "lc(3,4)\x1f";
    session_.receiveFile(later);
    run(R"({"recv": "lc(5,6)\u001f"})");
    EXPECT_GT(session_.heldBytes(), later.size());
    EXPECT_EQ(session_.core().canvas().currentX, 0);

    run(R"({"advance": 101})");
    EXPECT_EQ(session_.heldBytes(), 0u);
    EXPECT_EQ(session_.core().canvas().currentX, 5);
}

// Waiting data handed to the core when a keep-alive falls due in a pause is
// the core's to keep; the driver lets its own copy go.
TEST_F(ReplayMemoryTest, DataHandedToTheCoreInAPauseIsLetGo) {
    run(R"({"advance": 40000})");
    session_.receiveFile("pz32767\x1f");  // holds past the keep-alive at 65 s
    session_.receiveFile(std::string(50000, 'y') + "\x1flc(7,8)\x1f");
    run(R"({"keydown": 40, "mask": 0})");
    EXPECT_GT(session_.heldBytes(), 50000u);
    run(R"({"advance": 36000})");
    EXPECT_EQ(session_.heldBytes(), 0u);
    EXPECT_EQ(session_.core().canvas().currentX, 7);
    // The key ran before the tick that fell due in the pause, and restarted it.
    EXPECT_EQ(session_.host().sent(), std::vector<std::string>{" 40, 0"});
}
