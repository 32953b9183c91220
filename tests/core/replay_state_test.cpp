// The state the replay driver writes, and whole runs from files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sstream>

#include "replay/file_bytes.h"
#include "replay/replay_run.h"
#include "replay/replay_session.h"
#include "replay/state_json.h"
#include "test_app.h"

using namespace quorlak;

namespace {

QJsonObject parseState(const std::string& json) {
    QJsonParseError error;
    const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(doc.isObject());
    return doc.object();
}

void expectKeys(const QJsonObject& obj, std::initializer_list<const char*> keys, bool (QJsonValue::*is)() const,
                const char* what) {
    for (const char* key : keys) EXPECT_TRUE((obj.value(QLatin1String(key)).*is)()) << key << " should be " << what;
}

void expectGeometry(const QJsonObject& obj) {
    expectKeys(obj, {"left", "top", "width", "height"}, &QJsonValue::isDouble, "a number");
    EXPECT_TRUE(obj.value("visible").isBool());
}

// A session that has drawn a marked list line, a message or two and some keys.
class ReplayState : public ::testing::Test {
protected:
    ReplayState() : session_((test::ensureGuiApp(), Pictures{}), QFont()) {
        session_.receiveFile(
            "cd1|\x1flc(200,300)\x1fpt' 1.Sword\xe9'\x1f"
            "fx(300,250)-(310,258)\x1f"
            "lc(3,4)\x1f");
        run(R"({"keydown": 65, "mask": 1})");
        run(R"({"advance": 65000})");
    }
    void run(std::string_view line) {
        std::string error;
        auto ev = parseScriptLine(line, error);
        ASSERT_TRUE(ev) << error;
        ASSERT_TRUE(session_.run(*ev, error)) << error;
    }
    QJsonObject state() { return parseState(stateJson(session_.core(), session_.host(), session_.now())); }

    ReplaySession session_;
};

}  // namespace

TEST_F(ReplayState, HasEveryNamedFieldWithItsType) {
    const QJsonObject s = state();
    expectKeys(s, {"cdseen", "logging", "textboxmode", "delaymode", "frozen", "scrolling"}, &QJsonValue::isBool,
               "a boolean");
    expectKeys(s,
               {"expnow", "expstart", "gaugenow", "gaugemax", "boxleft", "boxtop", "boxlen", "itemsexpected", "itemnum",
                "itempick", "xchgitem", "itemsheight", "lasttoprow", "lastusers", "currentx", "currenty", "beeps"},
               &QJsonValue::isDouble, "a number");
    expectKeys(s, {"rxtail", "caption", "forecolor", "backcolor"}, &QJsonValue::isString, "a string");
    expectKeys(s, {"slottext", "slotx", "sloty", "sent"}, &QJsonValue::isArray, "an array");
    expectKeys(s, {"menus", "txtbox", "griditems", "gridmess", "tabstrip", "log", "timer"}, &QJsonValue::isObject,
               "an object");

    for (const char* key : {"slottext", "slotx", "sloty"}) EXPECT_EQ(s.value(key).toArray().size(), 5) << key;
    const QRegularExpression colour("^#[0-9a-f]{6}$");
    EXPECT_TRUE(colour.match(s.value("forecolor").toString()).hasMatch());
    EXPECT_TRUE(colour.match(s.value("backcolor").toString()).hasMatch());
    expectKeys(s.value("menus").toObject(), {"mnutextbox", "mnudelay", "mnuviewlog", "netexp"}, &QJsonValue::isString,
               "a string");

    const QJsonObject box = s.value("txtbox").toObject();
    expectGeometry(box);
    EXPECT_TRUE(box.value("maxlength").isDouble());
    EXPECT_TRUE(box.value("text").isString());

    const QJsonObject items = s.value("griditems").toObject();
    expectGeometry(items);
    expectKeys(items, {"toprow", "row", "col"}, &QJsonValue::isDouble, "a number");
    const QJsonArray rows = items.value("rows").toArray();
    ASSERT_EQ(rows.size(), ItemGridModel::kRows);
    for (const auto& row : rows) {
        expectKeys(row.toObject(), {"mark", "text"}, &QJsonValue::isString, "a string");
        expectKeys(row.toObject(), {"bold", "italic"}, &QJsonValue::isBool, "a boolean");
    }

    const QJsonObject messages = s.value("gridmess").toObject();
    expectGeometry(messages);
    expectKeys(messages, {"toprow", "row", "col"}, &QJsonValue::isDouble, "a number");
    EXPECT_TRUE(messages.value("rows").isArray());

    const QJsonObject tabs = s.value("tabstrip").toObject();
    expectGeometry(tabs);
    EXPECT_TRUE(tabs.value("front").isBool());
    const QJsonObject log = s.value("log").toObject();
    expectKeys(log, {"exists", "visible"}, &QJsonValue::isBool, "a boolean");
    EXPECT_TRUE(log.value("text").isString());
    EXPECT_TRUE(s.value("timer").toObject().value("enabled").isBool());
    EXPECT_TRUE(s.value("timer").toObject().value("due").isDouble());
}

TEST(ReplayRun, WritesStateAndPictureFromFiles) {
    test::ensureGuiApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string error;
    ASSERT_TRUE(writeFileBytes(dir.filePath("a.bin"), "lc(11,", error));
    ASSERT_TRUE(writeFileBytes(dir.filePath("b.bin"), "12)\x1f", error));
    ASSERT_TRUE(writeFileBytes(dir.filePath("more.bin"), "lc(21,22)\x1f", error));
    // A relative recv_file is found beside the script.
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
    EXPECT_EQ(s.value("currentx").toDouble(), 21);
    EXPECT_EQ(s.value("clock").toDouble(), 5);
    const QImage png(opt.pngPath);
    EXPECT_EQ(png.size(), QSize(512, 512));
}

TEST(ReplayRun, RefusesBadInputWithOneLine) {
    test::ensureGuiApp();
    QTemporaryDir dir;
    std::string error;
    ASSERT_TRUE(writeFileBytes(dir.filePath("bad.jsonl"), "{\"advance\": 1}\n{\"tab\": 9}\n", error));
    ASSERT_TRUE(writeFileBytes(dir.filePath("missing.jsonl"), "{\"recv_file\": \"nowhere.bin\"}\n", error));

    auto refusal = [](const ReplayOptions& opt) {
        std::ostringstream err;
        EXPECT_EQ(runReplay(opt, err), kReplayUnusable);
        const std::string text = err.str();
        EXPECT_FALSE(text.empty());
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
    // Nothing is written after a refusal.
    EXPECT_FALSE(QFile::exists(opt.statePath));
}
