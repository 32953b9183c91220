// A session written down by the recorder runs again on a fresh core to the same state and picture.
#include <gtest/gtest.h>

#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "base/line_sink.h"
#include "replay/event_runner.h"
#include "replay/replay_session.h"
#include "replay/session_recorder.h"
#include "replay/state_json.h"
#include "test_app.h"

using namespace quorlak;

namespace {

struct TextSink : LineSink {
    std::string text;
    bool full = false;
    bool writeLine(std::string_view line) override {
        if (full) return false;
        text.append(line).push_back('\n');
        return true;
    }
};

// The members of two states that differ, but for those `skipped`.
QStringList differingMembers(const std::string& a, const std::string& b, const QStringList& skipped = {}) {
    const QJsonObject x = QJsonDocument::fromJson(QByteArray::fromStdString(a)).object();
    const QJsonObject y = QJsonDocument::fromJson(QByteArray::fromStdString(b)).object();
    QStringList differing;
    for (const QString& key : x.keys() + y.keys())
        if (!skipped.contains(key) && !differing.contains(key) && x.value(key) != y.value(key)) differing << key;
    return differing;
}

// A core as the window runs it: its own clock, polled when something falls due.
class LiveSession : public ::testing::Test {
protected:
    LiveSession() : core(host, clock) {
        test::ensureGuiApp();
        core.load(Pictures{}, QFont());
    }
    void record(double origin = 0) {
        recorder = std::make_unique<SessionRecorder>(
            sink, core, clock, [this] { return host.clipboardText(); }, origin);
        core.setObserver(recorder.get());
    }
    void at(double ms) { advanceCore(core, clock, ms); }
    // Runs the recording on a fresh replay; its state must be the live core's.
    void expectReplayed(const QStringList& skipped = {}) {
        recorder->finish();
        std::vector<ScriptEvent> events;
        std::string error;
        ASSERT_TRUE(parseScript(sink.text, events, error)) << error;
        ReplaySession replay(Pictures{}, QFont());
        for (const auto& ev : events) ASSERT_TRUE(replay.run(ev, error)) << error;
        EXPECT_EQ(differingMembers(stateJson(replay.core(), replay.host(), replay.now()),
                                   stateJson(core, host, clock.nowMs()), skipped),
                  QStringList());
        EXPECT_EQ(replay.core().canvas().image(), core.canvas().image());
    }

    ReplayHost host;
    VirtualClock clock;
    ClientCore core;
    TextSink sink;
    std::unique_ptr<SessionRecorder> recorder;
};

}  // namespace

TEST_F(LiveSession, RecordingReplaysToTheSameStateAndPictureHeldInputsIncluded) {
    record();
    core.resize(512, 512);
    at(12.345678);
    core.receive("lc(10,20)\x1fpt'Hello'\x1fpz250\x1f");
    // Behind the pause: recorded as they arrive, run after it.
    at(40.5);
    core.keyDown(86, 2);
    host.setClipboard("look");
    core.keyPress(22);
    core.receive("bx(0,0)-(30,30)\x1flc(50,60)\x1fpt'after'\x1f");
    core.menu(MenuItem::TextBoxMode);
    at(300.25);
    core.receive("cu(40,300)-(12,0)\x1f");
    at(301);
    core.setBoxText("north");
    core.keyDown(13, 0);
    core.keyPress(13);
    core.focusEntered(FocusHolder::MessageGrid);  // a click on a panel takes the keyboard first
    core.selectMessage(0);
    core.resize(800, 600);
    at(70000.001);  // the keep-alive ticks
    core.setConnected(false);
    core.receive("lc(1,");  // an unfinished record stays in the replay too
    at(70010);
    expectReplayed();
    EXPECT_NE(sink.text.find(R"({"clipboard": "look"})"
                             "\n"
                             R"({"keydown": 86, "mask": 2, "char": 22})"),
              std::string::npos);
}

TEST_F(LiveSession, EveryKindOfPlayerEventReplaysOnAListScreen) {
    record();
    core.resize(512, 512);
    core.receive("cd30x\x1flc(150,219)\x1fpt' 1.Sword'\x1flc(150,235)\x1fpt' 2.Shield'\x1f");
    core.receive("lc(60,475)\x1fpt'Joe: hello'\x1flc(60,490)\x1fpt'Ann: hi'\x1f");
    at(10);
    core.mouseMoveForm();
    core.mouseMoveItems(300);
    core.mouseDownItems(2, 300);
    core.mouseDownTabs(2);
    core.mouseMoveItems(60);
    core.focusEntered(FocusHolder::ItemGrid);
    core.selectItem(1);
    core.scrollItems(1);
    core.tab(3);
    core.selectMessage(1);
    at(20);
    core.keyPress(58);  // a character without its key
    core.broadcastIn(79);
    core.doubleClick();
    core.receive("lc(5,5)\x1fpt'frozen away'\x1f");
    core.doubleClick();
    expectReplayed();
    for (const char* kind : {R"("mousemove": "form")", R"("mousemove": "griditems")", R"("mousedown": "griditems")",
                             R"("mousedown": "TabStrip1")", R"("select": "griditems")", R"("select": "gridmess")",
                             R"("scroll")", R"("tab")", R"({"char": 58})", R"("broadcast_in")", R"("dblclick")"})
        EXPECT_NE(sink.text.find(kind), std::string::npos) << kind;
}

TEST_F(LiveSession, ARecordingStartedMidSessionSaysTheSizeModesAndUnfinishedRecordFirst) {
    core.resize(900, 700);
    core.menu(MenuItem::TextBoxMode);
    core.menu(MenuItem::DelayMode);
    at(5000);
    core.receive("lc(33,");
    record(clock.nowMs());
    core.receive("44)\x1fpz100\x1fpt'x'\x1f");  // DELAY is off: no pause
    core.keyDown(65, 0);
    at(5100);
    // The replay's clock starts at the recording's start, 5000 ms later.
    expectReplayed({"clock", "timer"});
}

TEST_F(LiveSession, ARestartThatDropsAnUnfinishedRecordEndsTheRecordingAndAFullSinkToo) {
    record();
    core.restartStream();  // nothing to drop
    EXPECT_TRUE(recorder->recording());
    core.receive("lc(1,");
    core.restartStream();
    EXPECT_FALSE(recorder->recording());
    const std::string written = sink.text;
    core.keyDown(65, 0);
    recorder->flush();
    EXPECT_EQ(sink.text, written);

    sink.full = true;
    record();
    EXPECT_FALSE(recorder->recording());  // its first line (the closed connection) was refused
}

TEST(ScriptLines, EveryEventReadsBackAsItself) {
    const char* lines[] = {
        R"({"recv": "a\u001fé\"\\"})",
        R"({"recv_file": "dir/über file"})",
        R"({"keydown": 65, "mask": 3, "char": 97})",
        R"({"keydown": 16, "mask": 1})",
        R"({"char": 58})",
        R"({"settext": "x y"})",
        R"({"clipboard": ""})",
        R"({"menu": "mnuXchange"})",
        R"({"mousedown": "griditems", "button": 2, "y": 345})",
        R"({"mousedown": "TabStrip1", "button": 1})",
        R"({"select": "griditems", "row": 97})",
        R"({"select": "gridmess", "row": 9007199254740992})",
        R"({"scroll": "griditems", "toprow": 4})",
        R"({"tab": 6})",
        R"({"mousemove": "form"})",
        R"({"mousemove": "griditems", "y": 0})",
        R"({"dblclick": true})",
        R"({"resize": [1024, 700]})",
        R"({"advance": 0.1})",
        R"({"connection": "closed"})",
        R"({"broadcast_in": 79})",
    };
    for (const char* line : lines) {
        std::string error;
        const auto ev = parseScriptLine(line, error);
        ASSERT_TRUE(ev) << line << ": " << error;
        EXPECT_EQ(scriptLine(*ev), line);
    }
}
