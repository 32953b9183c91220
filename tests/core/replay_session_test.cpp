// The replay driver end to end: stream and script through a real core on the virtual clock.
#include <gtest/gtest.h>

#include <QFont>
#include <string>

#include "replay/replay_session.h"
#include "replay/script.h"
#include "test_app.h"

using namespace quorlak;

namespace {

class ReplaySessionTest : public ::testing::Test {
protected:
    ReplaySessionTest() { test::ensureGuiApp(); }

    ReplaySession& session(size_t chunk = 0) {
        if (!session_) session_ = std::make_unique<ReplaySession>(Pictures{}, QFont(), 512, 512, chunk);
        return *session_;
    }
    void run(std::string_view line) {
        std::string error;
        auto ev = parseScriptLine(line, error);
        ASSERT_TRUE(ev) << line << ": " << error;
        ASSERT_TRUE(session().run(*ev, error)) << error;
    }
    float currentX() { return session().core().canvas().currentX; }
    const std::vector<std::string>& sent() { return session().host().sent(); }

    std::unique_ptr<ReplaySession> session_;
};

}  // namespace

TEST_F(ReplaySessionTest, InputBehindAPauseRunsAfterItInArrivalOrder) {
    session(1).receiveFile("pz100\x1flc(1,1)\x1f");
    run(R"({"recv": "lc(5,6)\u001f"})");
    run(R"({"keydown": 65, "mask": 0})");
    run(R"({"dblclick": true})");         // freezes, after the data before it
    run(R"({"recv": "lc(9,9)\u001f"})");  // arrives frozen: lost
    EXPECT_EQ(currentX(), 0);
    EXPECT_TRUE(sent().empty());
    EXPECT_GT(session().waitingInputs(), 0u);

    run(R"({"advance": 101})");
    EXPECT_EQ(session().waitingInputs(), 0u);
    EXPECT_EQ(currentX(), 5);
    EXPECT_EQ(session().core().canvas().currentY, 6);
    EXPECT_TRUE(session().core().modes().frozen);
    EXPECT_EQ(sent(), std::vector<std::string>({" 65, 0"}));
}

TEST_F(ReplaySessionTest, KeyWaitingBehindAPauseRestartsTheKeepAliveThatFellDueInIt) {
    run(R"({"advance": 60000})");
    run(R"({"recv": "pz10000\u001f"})");  // holds until 70000; the keep-alive is due at 65000
    run(R"({"advance": 100})");
    run(R"({"keydown": 65, "mask": 0})");
    run(R"({"advance": 9901})");
    EXPECT_FALSE(session().core().holding());
    EXPECT_EQ(sent(), std::vector<std::string>({" 65, 0"}));
    EXPECT_EQ(session().core().timerDue(), 70001 + ClientCore::kKeepAliveMs);
}

TEST_F(ReplaySessionTest, BroadcastCopyHeldBehindAPauseRunsRightAfterItsKeyWithItsModifiers) {
    // The keep-alive falls due inside the pause, and waits for the held input.
    run(R"({"advance": 64990})");
    run(R"({"recv": "pz100\u001f"})");
    run(R"({"keydown": 192, "mask": 1, "char": 126})");
    run(R"({"keydown": 65, "mask": 0})");
    run(R"({"advance": 200})");
    EXPECT_EQ(sent(), std::vector<std::string>({" 192, 1", " 70, 1", " 65, 0"}));
    EXPECT_EQ(session().host().broadcasts(), std::vector<int16_t>({70}));
}

TEST_F(ReplaySessionTest, ReconnectDiscardsWhatTheOldConnectionLeftHeld) {
    run(R"({"recv": "pz100\u001flc(9,9)\u001f"})");
    run(R"({"recv": "lc(8,8)\u001f"})");
    run(R"({"keydown": 65, "mask": 0})");
    ClientCore& core = const_cast<ClientCore&>(session().core());
    core.restartStream();
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(currentX(), 0);  // neither the held record nor the waiting data ran
    EXPECT_EQ(sent(), std::vector<std::string>({" 65, 0"}));
    EXPECT_EQ(session().heldBytes(), 0u);
}

TEST_F(ReplaySessionTest, InputBeyondTheBoundIsRefusedButReceivedDataNeverIs) {
    run(R"({"recv": "pz100\u001f"})");
    for (size_t i = 0; i < ClientCore::kMaxHeldInputs + 5; ++i) run(R"({"dblclick": true})");
    run(R"({"recv": "lc(7,7)\u001f"})");
    EXPECT_EQ(session().waitingInputs(), ClientCore::kMaxHeldInputs);
    EXPECT_EQ(session().core().refusedInputs(), 5u);
    run(R"({"advance": 101})");
    EXPECT_EQ(currentX(), 7);  // an even number of freezes: the data after them ran
    EXPECT_FALSE(session().core().modes().frozen);
}

TEST_F(ReplaySessionTest, LongStreamInOneByteChunksBehindAPauseLosesNothing) {
    // More chunks wait than the core itself would keep.
    std::string stream = "pz10\x1flc(7,8)\x1f";
    for (size_t i = 0; i < ClientCore::kMaxHeldInputs / 3 + 10; ++i) stream += "zz\x1f";
    session(1).receiveFile(stream);
    EXPECT_EQ(currentX(), 0);
    run(R"({"advance": 11})");
    EXPECT_EQ(currentX(), 7);
    EXPECT_EQ(session().waitingInputs(), 0u);
    EXPECT_TRUE(session().core().unfinishedRecord().empty());
}

TEST_F(ReplaySessionTest, UnreadableReceivedFileIsAnError) {
    ScriptEvent ev;
    ev.kind = ScriptEvent::Kind::RecvFile;
    ev.path = "/nonexistent/replay/stream.bin";
    std::string error;
    EXPECT_FALSE(session().run(ev, error));
    EXPECT_NE(error.find("stream.bin"), std::string::npos);
}
