// The replay driver itself: its command line, script lines, the state's fields,
// whole runs from files and what a session holds in memory.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sstream>
#include <variant>

#include "replay/byte_text.h"
#include "replay/file_bytes.h"
#include "replay/replay_options.h"
#include "replay/replay_run.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "replay/state_json.h"
#include "test_app.h"

using namespace quorlak;

namespace {

QJsonObject parseState(const std::string& json) {
    QJsonParseError error;
    const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

class Session : public ::testing::Test {
protected:
    explicit Session(size_t chunk = 0) : session((test::ensureGuiApp(), Pictures{}), QFont(), 512, 512, chunk) {}
    void run(std::string_view line) {
        std::string error;
        auto ev = parseScriptLine(line, error);
        ASSERT_TRUE(ev) << line << ": " << error;
        ASSERT_TRUE(session.run(*ev, error)) << error;
    }
    float currentX() const { return session.core().canvas().currentX; }
    ReplaySession session;
};

struct OneByteChunks : Session {
    OneByteChunks() : Session(1) {}
};

}  // namespace

TEST(ReplayOptions, EveryOptionAndStreamFilesInOrder) {
    auto parsed = [](const QStringList& args) { return std::get<ReplayOptions>(parseReplayArgs(args)); };
    const auto none = parsed({});
    EXPECT_EQ(std::tuple(none.chunk, none.width, none.height, none.streams.size(), none.help),
              std::tuple(0u, 512, 512, 0, false));
    const auto opt = parsed({"a.bin", "--chunk", "7", "--size", "640x480", "--png", "out.png", "--state", "-",
                             "--script", "s.jsonl", "b.bin"});
    EXPECT_EQ(std::tuple(opt.chunk, opt.width, opt.height), std::tuple(7u, 640, 480));
    EXPECT_EQ(QStringList({opt.pngPath, opt.statePath, opt.scriptPath}), QStringList({"out.png", "-", "s.jsonl"}));
    EXPECT_EQ(opt.streams, QStringList({"a.bin", "b.bin"}));
    const auto joined = parsed({"--chunk=3", "--size=1x2", "--state=st.json"});
    EXPECT_EQ(std::tuple(joined.chunk, joined.width, joined.height), std::tuple(3u, 1, 2));
    EXPECT_EQ(joined.statePath, "st.json");
    // after "--" a name that looks like an option is a stream file
    EXPECT_EQ(parsed({"--", "--odd.bin"}).streams, QStringList({"--odd.bin"}));
    EXPECT_TRUE(parsed({"--help"}).help);
    EXPECT_FALSE(replayUsage().empty());
}

TEST(ReplayOptions, UnusableArgumentsAreRefused) {
    for (const char* args : {"--bogus", "--chunk", "--chunk 0", "--chunk -4", "--chunk +4", "--chunk 4k",
                             "--chunk=", "--size 512", "--size 512x", "--size x512", "--size -1x5", "--size 40000x10",
                             "--size 10x10x10", "--png ", "--state", "--script="})
        EXPECT_TRUE(std::holds_alternative<std::string>(parseReplayArgs(QString(args).split(' ')))) << args;
}

// Two events on a line, characters above U+00FF, fields missing, extra or out of range: refused.
TEST(ReplayScript, MalformedLinesAreRefusedWithOneLine) {
    // clang-format off
    const char* lines[] = {
        R"(not json)", R"([1, 2])", R"("recv")", R"({})", R"({"recv": "a", "char": 5})", R"({"recv": 5})",
        R"({"recv": "\u0100"})", R"({"recv": "\ud83d\ude00"})", R"({"recv": "a", "extra": 1})",
        R"({"recv_file": ""})", R"({"keydown": 65})", R"({"keydown": "65", "mask": 0})",
        R"({"keydown": 65.5, "mask": 0})", R"({"keydown": 256, "mask": 0})", R"({"keydown": -1, "mask": 0})",
        R"({"keydown": 65, "mask": 8})", R"({"keydown": 65, "mask": 0, "char": "a"})",
        R"({"keydown": 65, "mask": true})", R"({"char": 300})", R"({"char": null})", R"({"settext": ["a"]})",
        R"({"menu": "mnuFly"})", R"({"menu": "MNUUSE"})", R"({"mousedown": "griditems", "button": 1})",
        R"({"mousedown": "griditems", "button": 3, "y": 0})", R"({"mousedown": "griditems", "button": 1, "y": -5})",
        R"({"mousedown": "TabStrip1", "button": 2, "y": 0})", R"({"mousedown": "gridmess", "button": 1})",
        R"({"select": "griditems", "row": 98})", R"({"select": "griditems"})",
        R"({"select": "gridmess", "row": -1})", R"({"select": "TabStrip1", "row": 1})",
        R"({"scroll": "gridmess", "toprow": 1})", R"({"scroll": "griditems", "toprow": 200})", R"({"tab": 0})",
        R"({"tab": 7})", R"({"mousemove": "griditems"})", R"({"mousemove": "form", "y": 3})",
        R"({"mousemove": "desk"})", R"({"dblclick": false})", R"({"dblclick": 1})", R"({"resize": [800]})",
        R"({"resize": [800, 600, 1]})", R"({"resize": {"w": 1, "h": 2}})", R"({"resize": [-1, 600]})",
        R"({"advance": -1})", R"({"advance": "10"})", R"({"advance": 1e12})", R"({"connection": "lost"})",
        R"({"broadcast_in": "F"})"};
    // clang-format on
    for (const char* line : lines) {
        std::string error;
        EXPECT_FALSE(parseScriptLine(line, error).has_value()) << line;
        EXPECT_TRUE(!error.empty() && error.find('\n') == std::string::npos) << line << ": " << error;
    }
}

TEST(ReplayScript, WholeScriptSkipsBlankLinesAndNamesTheBadOne) {
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(parseScript("\xef\xbb\xbf{\"advance\": 5}\r\n\n   \r\n{\"tab\": 2}\n", events, error)) << error;
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(std::tuple(events[0].line, events[1].line, events[1].row), std::tuple(1, 4, 2));
    events.clear();
    EXPECT_FALSE(parseScript("{\"tab\": 1}\n\n{\"tab\": 9}\n{\"tab\": 1}\n", events, error));
    EXPECT_NE(error.find("line 3: not a valid event"), std::string::npos) << error;
}

TEST(ReplayBytes, EveryByteSurvivesTheRoundTripAndNumbersReadBackExactly) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string json = "[";
    appendJsonBytes(json, all);
    json += "]";
    for (unsigned char c : json) ASSERT_GE(c, 0x20) << "control characters are escaped";
    const QString text = QJsonDocument::fromJson(QByteArray::fromStdString(json)).array().at(0).toString();
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(text[b].unicode(), b);
    EXPECT_EQ(bytesFromJsonText(text), all);
    EXPECT_FALSE(bytesFromJsonText(QString(QChar(0x2022))).has_value());

    std::string out;
    for (const double v : {65501.0, 2000000.0, 1.0 / 0.0}) appendJsonNumber(out += ',', v);
    for (const float v : {12.25f, 0.1f}) appendJsonNumber(out += ',', v);
    appendJsonInt(out += ',', -32768);
    EXPECT_EQ(out, ",65501,2000000,null,12.25,0.1,-32768");
}

TEST(ReplayRun, WritesStateAndPictureFromFiles) {
    test::ensureGuiApp();
    QTemporaryDir dir;
    std::string error;
    ASSERT_TRUE(writeFileBytes(dir.filePath("a.bin"), "lc(11,", error));
    ASSERT_TRUE(writeFileBytes(dir.filePath("b.bin"), "12)\x1f", error));
    ASSERT_TRUE(writeFileBytes(dir.filePath("more.bin"), "lc(21,22)\x1f", error));
    // a relative recv_file is found beside the script
    ASSERT_TRUE(writeFileBytes(dir.filePath("s.jsonl"), "{\"recv_file\": \"more.bin\"}\n{\"advance\": 5}\n", error));
    ReplayOptions opt;
    opt.streams = {dir.filePath("a.bin"), dir.filePath("b.bin")};
    opt.scriptPath = dir.filePath("s.jsonl");
    opt.statePath = dir.filePath("state.json");
    opt.pngPath = dir.filePath("out.png");
    opt.chunk = 2;
    std::ostringstream err;
    ASSERT_EQ(runReplay(opt, err), kReplayOk) << err.str();
    EXPECT_TRUE(err.str().empty());
    const auto json = readFileBytes(opt.statePath, error);
    ASSERT_TRUE(json) << error;
    const QJsonObject s = parseState(*json);
    EXPECT_EQ(s["currentx"].toDouble(), 21);
    EXPECT_EQ(s["clock"].toDouble(), 5);
    EXPECT_EQ(QImage(opt.pngPath).size(), QSize(512, 512));
    opt.statePath = QStringLiteral("-");  // the state on standard output
    testing::internal::CaptureStdout();
    ASSERT_EQ(runReplay(opt, err), kReplayOk) << err.str();
    EXPECT_EQ(parseState(testing::internal::GetCapturedStdout()), s);
}

TEST(ReplayRun, RefusesBadInputWithOneLineAndWritesNothing) {
    test::ensureGuiApp();
    QTemporaryDir dir;
    std::string error;
    ASSERT_TRUE(writeFileBytes(dir.filePath("bad.jsonl"), "{\"advance\": 1}\n{\"tab\": 9}\n", error));
    ASSERT_TRUE(writeFileBytes(dir.filePath("missing.jsonl"), "{\"recv_file\": \"nowhere.bin\"}\n", error));
    auto refusal = [](const ReplayOptions& opt) {
        std::ostringstream err;
        EXPECT_EQ(runReplay(opt, err), kReplayUnusable);
        const std::string text = err.str();
        EXPECT_EQ(text.find('\n'), text.size() - 1) << text;
        return text;
    };
    ReplayOptions opt;
    opt.statePath = dir.filePath("state.json");
    opt.scriptPath = dir.filePath("bad.jsonl");
    EXPECT_NE(refusal(opt).find("line 2"), std::string::npos);
    opt.scriptPath = dir.filePath("missing.jsonl");
    EXPECT_NE(refusal(opt).find("line 1"), std::string::npos);
    opt.scriptPath.clear();
    opt.streams = {dir.filePath("absent.bin")};
    EXPECT_NE(refusal(opt).find("absent.bin"), std::string::npos);
    opt.streams = {dir.path()};  // a directory is no stream file
    refusal(opt);
    EXPECT_FALSE(QFile::exists(opt.statePath));
    // outputs that cannot be written are failures too
    opt.streams.clear();
    opt.pngPath = dir.filePath("missing/out.png");
    EXPECT_NE(refusal(opt).find("cannot write"), std::string::npos);
    opt.pngPath.clear();
    opt.statePath = QStringLiteral("/dev/full");
    if (QFile::exists(opt.statePath)) EXPECT_NE(refusal(opt).find("/dev/full"), std::string::npos);
}

TEST_F(Session, InputBeyondTheBoundIsRefusedButReceivedDataNeverIs) {
    run(R"({"recv": "pz100\u001f"})");
    for (size_t i = 0; i < ClientCore::kMaxHeldInputs + 5; ++i) run(R"({"dblclick": true})");
    run(R"({"recv": "lc(7,7)\u001f"})");
    EXPECT_EQ(session.waitingInputs(), ClientCore::kMaxHeldInputs);
    EXPECT_EQ(session.core().refusedInputs(), 5u);
    run(R"({"advance": 101})");
    EXPECT_EQ(currentX(), 7);  // an even number of freezes: the data after them ran
    EXPECT_FALSE(session.core().modes().frozen);
}

TEST_F(OneByteChunks, LongStreamBehindAPauseLosesNothing) {
    // more chunks wait than the core itself would keep
    std::string stream = "pz10\x1flc(7,8)\x1f";
    for (size_t i = 0; i < ClientCore::kMaxHeldInputs / 3 + 10; ++i) stream += "zz\x1f";
    session.receiveFile(stream);
    EXPECT_EQ(currentX(), 0);
    run(R"({"advance": 11})");
    EXPECT_EQ(currentX(), 7);
    EXPECT_EQ(session.waitingInputs(), 0u);
    EXPECT_TRUE(session.core().unfinishedRecord().empty());
}

TEST_F(Session, ReconnectDiscardsWhatTheOldConnectionLeftHeld) {
    run(R"({"recv": "pz100\u001flc(9,9)\u001f"})");
    run(R"({"recv": "lc(8,8)\u001f"})");
    run(R"({"keydown": 65, "mask": 0})");
    auto& core = const_cast<ClientCore&>(session.core());
    core.restartStream();
    EXPECT_FALSE(core.holding());
    EXPECT_EQ(currentX(), 0);  // neither the held record nor the waiting data ran
    EXPECT_EQ(session.host().sent(), std::vector<std::string>({" 65, 0"}));
    EXPECT_EQ(session.heldBytes(), 0u);
}

// A long replay delivered file by file once kept every file for good.
TEST_F(Session, DeliveredFilesAreLetGoAndWaitingOnesKeptUntilDelivered) {
    for (int i = 0; i < 20; ++i) {
        session.receiveFile(std::string(100000, 'x') + "\x1flc(" + std::to_string(i) + ",9)\x1f");
        EXPECT_EQ(session.heldBytes(), 0u);
    }
    EXPECT_EQ(currentX(), 19);
    session.receiveFile("pz100\x1flc(1,2)\x1f");
    const std::string later = "lc(3,4)\x1f";
    session.receiveFile(later);
    run(R"({"recv": "lc(5,6)\u001f"})");
    EXPECT_GT(session.heldBytes(), later.size());
    run(R"({"advance": 101})");
    EXPECT_EQ(session.heldBytes(), 0u);
    EXPECT_EQ(currentX(), 5);
}
