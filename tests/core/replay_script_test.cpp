// Script lines to events, and the byte convention of the replay files.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "replay/byte_text.h"
#include "replay/script.h"

using namespace quorlak;
using Kind = ScriptEvent::Kind;

namespace {

ScriptEvent parsed(std::string_view line) {
    std::string error;
    auto ev = parseScriptLine(line, error);
    if (!ev) ADD_FAILURE() << line << " refused: " << error;
    return ev.value_or(ScriptEvent{});
}

}  // namespace

TEST(ReplayScript, EveryEventForm) {
    auto ev = parsed(R"({"recv": "lc(1,2)\u001f\u00e9"})");
    EXPECT_EQ(ev.kind, Kind::Recv);
    EXPECT_EQ(ev.bytes, "lc(1,2)\x1f\xe9");

    EXPECT_EQ(parsed(R"({"recv_file": "data/x.bin"})").path, "data/x.bin");

    ev = parsed(R"({"keydown": 73, "mask": 2})");
    EXPECT_EQ(ev.kind, Kind::KeyDown);
    EXPECT_EQ(ev.vk, 73);
    EXPECT_EQ(ev.mask, 2);
    EXPECT_FALSE(ev.ch.has_value());
    ev = parsed(R"({"keydown": 192, "mask": 1, "char": 126})");
    EXPECT_EQ(ev.ch, 126);

    ev = parsed(R"({"char": 22})");
    EXPECT_EQ(ev.kind, Kind::Char);
    EXPECT_EQ(ev.ch, 22);

    EXPECT_EQ(parsed(R"({"settext": "go \u00fc"})").bytes, "go \xfc");
    EXPECT_EQ(parsed(R"({"clipboard": ""})").kind, Kind::Clipboard);
    EXPECT_EQ(parsed(R"({"menu": "mnuXchange"})").menu, MenuItem::Exchange);
    EXPECT_EQ(parsed(R"({"menu": "mnuviewlog"})").menu, MenuItem::ViewLog);

    ev = parsed(R"({"mousedown": "griditems", "button": 2, "y": 600})");
    EXPECT_EQ(ev.kind, Kind::MouseDownItems);
    EXPECT_EQ(ev.button, 2);
    EXPECT_EQ(ev.y, 600);
    ev = parsed(R"({"mousedown": "TabStrip1", "button": 1})");
    EXPECT_EQ(ev.kind, Kind::MouseDownTabs);
    EXPECT_EQ(ev.button, 1);

    ev = parsed(R"({"select": "griditems", "row": 97})");
    EXPECT_EQ(ev.kind, Kind::SelectItems);
    EXPECT_EQ(ev.row, 97);
    ev = parsed(R"({"select": "gridmess", "row": 123456})");
    EXPECT_EQ(ev.kind, Kind::SelectMessages);
    EXPECT_EQ(ev.row, 123456);
    ev = parsed(R"({"scroll": "griditems", "toprow": 14})");
    EXPECT_EQ(ev.kind, Kind::ScrollItems);
    EXPECT_EQ(ev.row, 14);
    ev = parsed(R"({"tab": 6})");
    EXPECT_EQ(ev.kind, Kind::Tab);
    EXPECT_EQ(ev.row, 6);

    EXPECT_EQ(parsed(R"({"mousemove": "form"})").kind, Kind::MouseMoveForm);
    ev = parsed(R"({"mousemove": "griditems", "y": 10})");
    EXPECT_EQ(ev.kind, Kind::MouseMoveItems);
    EXPECT_EQ(ev.y, 10);
    EXPECT_EQ(parsed(R"({"dblclick": true})").kind, Kind::DoubleClick);

    ev = parsed(R"({"resize": [800, 600]})");
    EXPECT_EQ(ev.kind, Kind::Resize);
    EXPECT_EQ(ev.width, 800);
    EXPECT_EQ(ev.height, 600);
    EXPECT_EQ(parsed(R"({"advance": 0.5})").ms, 0.5);
    EXPECT_FALSE(parsed(R"({"connection": "closed"})").open);
    EXPECT_TRUE(parsed(R"({"connection": "open"})").open);
    ev = parsed(R"({"broadcast_in": 79})");
    EXPECT_EQ(ev.kind, Kind::BroadcastIn);
    EXPECT_EQ(ev.vk, 79);
}

TEST(ReplayScript, MalformedLinesAreRefused) {
    for (const char* line : {
             R"(not json)",
             R"([1, 2])",
             R"("recv")",
             R"({})",
             R"({"recv": "a", "char": 5})",  // two events
             R"({"recv": 5})",
             R"({"recv": "\u0100"})",  // above the byte range
             R"({"recv": "\ud83d\ude00"})",
             R"({"recv": "a", "extra": 1})",
             R"({"recv_file": ""})",
             R"({"keydown": 65})",  // mask missing
             R"({"keydown": "65", "mask": 0})",
             R"({"keydown": 65.5, "mask": 0})",
             R"({"keydown": 256, "mask": 0})",
             R"({"keydown": -1, "mask": 0})",
             R"({"keydown": 65, "mask": 8})",
             R"({"keydown": 65, "mask": 0, "char": "a"})",
             R"({"keydown": 65, "mask": true})",
             R"({"char": 300})",
             R"({"char": null})",
             R"({"settext": ["a"]})",
             R"({"menu": "mnuFly"})",
             R"({"menu": "MNUUSE"})",
             R"({"mousedown": "griditems", "button": 1})",  // y missing
             R"({"mousedown": "griditems", "button": 3, "y": 0})",
             R"({"mousedown": "griditems", "button": 1, "y": -5})",
             R"({"mousedown": "TabStrip1", "button": 2, "y": 0})",
             R"({"mousedown": "gridmess", "button": 1})",
             R"({"select": "griditems", "row": 98})",
             R"({"select": "griditems"})",
             R"({"select": "gridmess", "row": -1})",
             R"({"select": "TabStrip1", "row": 1})",
             R"({"scroll": "gridmess", "toprow": 1})",
             R"({"scroll": "griditems", "toprow": 200})",
             R"({"tab": 0})",
             R"({"tab": 7})",
             R"({"mousemove": "griditems"})",
             R"({"mousemove": "form", "y": 3})",
             R"({"mousemove": "desk"})",
             R"({"dblclick": false})",
             R"({"dblclick": 1})",
             R"({"resize": [800]})",
             R"({"resize": [800, 600, 1]})",
             R"({"resize": {"w": 1, "h": 2}})",
             R"({"resize": [-1, 600]})",
             R"({"advance": -1})",
             R"({"advance": "10"})",
             R"({"advance": 1e12})",
             R"({"connection": "lost"})",
             R"({"broadcast_in": "F"})",
         }) {
        std::string error;
        EXPECT_FALSE(parseScriptLine(line, error).has_value()) << line;
        EXPECT_FALSE(error.empty()) << line;
        EXPECT_EQ(error.find('\n'), std::string::npos) << line;
    }
}

TEST(ReplayScript, WholeScriptSkipsBlankLinesAndNamesTheBadOne) {
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(parseScript("\xef\xbb\xbf{\"advance\": 5}\r\n\n   \r\n{\"tab\": 2}\n", events, error)) << error;
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].line, 1);
    EXPECT_EQ(events[1].line, 4);
    EXPECT_EQ(events[1].row, 2);

    events.clear();
    EXPECT_FALSE(parseScript("{\"tab\": 1}\n\n{\"tab\": 9}\n{\"tab\": 1}\n", events, error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_NE(error.find("not a valid event"), std::string::npos) << error;
}

TEST(ReplayBytes, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string json = "[";
    appendJsonBytes(json, all);
    json += "]";

    QJsonParseError error;
    const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
    const QString text = doc.array().at(0).toString();
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(text[b].unicode(), b);
    EXPECT_EQ(bytesFromJsonText(text), all);
    EXPECT_FALSE(bytesFromJsonText(QString(QChar(0x2022))).has_value());

    // Control characters are written as escapes, never raw.
    for (unsigned char c : json) EXPECT_GE(c, 0x20);
}

TEST(ReplayBytes, NumbersReadBackExactly) {
    std::string out;
    appendJsonNumber(out, 65501.0);
    out += ',';
    appendJsonNumber(out, 12.25f);
    out += ',';
    appendJsonNumber(out, 0.1f);
    out += ',';
    appendJsonInt(out, -32768);
    out += ',';
    appendJsonNumber(out, 2000000.0);  // no exponent: reads as an integer
    out += ',';
    appendJsonNumber(out, 1.0 / 0.0);
    EXPECT_EQ(out, "65501,12.25,0.1,-32768,2000000,null");
}
