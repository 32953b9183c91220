// The replay driver end to end: stream and script through a real core on the virtual clock.
#include <gtest/gtest.h>

#include <QFont>
#include <algorithm>
#include <string>

#include "replay/replay_session.h"
#include "replay/script.h"
#include "test_app.h"

using namespace quorlak;

namespace {

const std::string kKeepAlive("\0\0", 2);

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
    long count(const std::string& write) { return std::count(sent().begin(), sent().end(), write); }

    std::unique_ptr<ReplaySession> session_;
};

}  // namespace

TEST_F(ReplaySessionTest, PauseEndsOnlyWhenStrictlyMoreThanItsTimeHasPassed) {
    session().receiveFile("pz500\x1flc(30,40)\x1f");
    run(R"({"advance": 500})");
    EXPECT_TRUE(session().core().holding());
    EXPECT_EQ(currentX(), 0);
    run(R"({"advance": 1})");
    EXPECT_FALSE(session().core().holding());
    EXPECT_EQ(currentX(), 30);
    EXPECT_EQ(session().now(), 501);
}

TEST_F(ReplaySessionTest, KeepAliveFollowsTheVirtualClock) {
    run(R"({"advance": 64999})");
    EXPECT_EQ(count(kKeepAlive), 0);
    run(R"({"advance": 1})");
    EXPECT_EQ(count(kKeepAlive), 1);
    run(R"({"advance": 130000})");
    EXPECT_EQ(count(kKeepAlive), 3);
    EXPECT_EQ(session().core().timerDue(), 260000);

    // A key restarts it: the next tick is a full interval after the key.
    run(R"({"keydown": 65, "mask": 0})");
    run(R"({"advance": 64999})");
    EXPECT_EQ(count(kKeepAlive), 3);
    run(R"({"advance": 1})");
    EXPECT_EQ(count(kKeepAlive), 4);
}

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
    EXPECT_TRUE(session().core().state().frozen);
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

TEST_F(ReplaySessionTest, LongStreamInOneByteChunksBehindAPauseLosesNothing) {
    // More chunks wait than the core itself would keep.
    std::string stream = "pz10\x1flc(7,8)\x1f";
    for (size_t i = 0; i < ClientCore::kMaxDeferredEvents / 3 + 10; ++i) stream += "zz\x1f";
    session(1).receiveFile(stream);
    EXPECT_EQ(currentX(), 0);
    run(R"({"advance": 11})");
    EXPECT_EQ(currentX(), 7);
    EXPECT_EQ(session().waitingInputs(), 0u);
    EXPECT_TRUE(session().core().state().rxtail.empty());
}

TEST_F(ReplaySessionTest, BroadcastRunsRightAfterTheKeyWithItsModifiers) {
    run(R"({"keydown": 192, "mask": 1, "char": 126})");
    run(R"({"char": 58})");
    run(R"({"broadcast_in": 70})");
    EXPECT_EQ(sent(), std::vector<std::string>({" 192, 1", " 70, 1", " 79, 0", " 70, 0"}));
}

TEST_F(ReplaySessionTest, ClipboardAndConnectionChangeAtOnce) {
    run(R"({"clipboard": "ab"})");
    run(R"({"keydown": 86, "mask": 2, "char": 22})");
    EXPECT_EQ(sent(), std::vector<std::string>({" 86, 2", " 65, 0 66, 0"}));

    run(R"({"connection": "closed"})");
    run(R"({"keydown": 65, "mask": 0})");
    run(R"({"advance": 70000})");
    EXPECT_EQ(sent().size(), 2u);
    run(R"({"connection": "open"})");
    run(R"({"keydown": 66, "mask": 0})");
    EXPECT_EQ(sent().back(), " 66, 0");
}

TEST_F(ReplaySessionTest, UnreadableReceivedFileIsAnError) {
    ScriptEvent ev;
    ev.kind = ScriptEvent::Kind::RecvFile;
    ev.path = "/nonexistent/replay/stream.bin";
    std::string error;
    EXPECT_FALSE(session().run(ev, error));
    EXPECT_NE(error.find("stream.bin"), std::string::npos);
}

TEST_F(ReplaySessionTest, ResizeAtStartLaysOutThePanels) {
    session_ = std::make_unique<ReplaySession>(Pictures{}, QFont(), 1024, 700);
    const auto& window = session_->core().window();
    EXPECT_EQ(window.clientWidth, 1024);
    EXPECT_EQ(window.clientHeight, 700);
    // The item grid leaves the display area when the window is wide.
    EXPECT_GE(session_->core().items().geometry.left, 512);
    EXPECT_EQ(session_->core().items().geometry.height, 700);
}
