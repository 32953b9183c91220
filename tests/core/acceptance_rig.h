#pragma once
// Whole-client checks through the replay driver: server records and script
// lines in, the state JSON that quorlak-replay writes out.

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/data_files.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "replay/state_json.h"
#include "test_app.h"

namespace quorlak::test {

using Writes = std::vector<std::string>;

// One record with its separator.
inline std::string rec(std::string_view code, std::string_view arg = {}) {
    return std::string(code) + std::string(arg) + '\x1f';
}

// A text line drawn at (x, y): the locate record, then the text between quotes.
inline std::string textAt(int x, int y, std::string_view text) {
    const std::string point = "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    return rec("lc", point) + rec("pt", "'" + std::string(text) + "'");
}

// The record that begins the game screen.
inline std::string screenBegins() { return rec("cd", "01 "); }

// Text from the state as the bytes it stands for (U+0000..U+00FF).
inline std::string bytesOf(const QJsonValue& v) { return v.toString().toLatin1().toStdString(); }

// One replay run; several may exist side by side.
class ReplayRig {
public:
    ReplayRig() { ensureGuiApp(); }

    ReplaySession& session() {
        // The terminal font as the driver loads it; pictures play no part here.
        static const QFont font = loadTerminalFont();
        if (!session_) session_ = std::make_unique<ReplaySession>(Pictures{}, font, width_, height_);
        return *session_;
    }
    // The client area the run starts with (before the first event).
    void startAt(int width, int height) {
        width_ = width;
        height_ = height;
    }

    // One script line, as quorlak-replay reads it.
    void run(std::string_view line) {
        std::string error;
        auto ev = parseScriptLine(line, error);
        ASSERT_TRUE(ev) << line << ": " << error;
        ASSERT_TRUE(session().run(*ev, error)) << error;
    }
    // A chunk from the server (a "recv" event).
    void recv(std::string bytes) {
        ScriptEvent ev;
        ev.kind = ScriptEvent::Kind::Recv;
        ev.bytes = std::move(bytes);
        std::string error;
        ASSERT_TRUE(session().run(ev, error)) << error;
    }
    void key(int vk, int mask = 0) {
        run("{\"keydown\": " + std::to_string(vk) + ", \"mask\": " + std::to_string(mask) + "}");
    }
    void advance(int ms) { run("{\"advance\": " + std::to_string(ms) + "}"); }
    void menu(std::string_view name) { run("{\"menu\": \"" + std::string(name) + "\"}"); }

    // The game screen has begun.
    void beginScreen() { recv(screenBegins()); }
    // Text box input on and an input prompt open: the entry box is visible.
    void openPrompt() {
        menu("mnutextbox");
        recv(rec("cu", "(40,300)-(12,0)"));
    }

    QJsonObject state() {
        QJsonParseError error;
        const auto doc = QJsonDocument::fromJson(
            QByteArray::fromStdString(stateJson(session().core(), session().host(), session().now())), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError);
        return doc.object();
    }
    Writes sent() {
        Writes out;
        for (const auto& v : state()["sent"].toArray()) out.push_back(bytesOf(v));
        return out;
    }
    // The drawn picture, as --png writes it.
    QImage picture() { return session().core().canvas().image().copy(); }
    QRgb pixel(int x, int y) { return session().core().canvas().image().pixel(x, y) & 0xffffff; }

    QJsonObject object(const char* name) { return state()[name].toObject(); }
    QJsonArray messageRows() { return object("gridmess")["rows"].toArray(); }
    QJsonObject itemRow(int row) { return object("griditems")["rows"].toArray()[row].toObject(); }
    std::string menuCaption(const char* name) { return bytesOf(object("menus")[name]); }
    std::string forecolor() { return bytesOf(state()["forecolor"]); }
    int integer(const char* name) { return state()[name].toInt(); }

private:
    std::unique_ptr<ReplaySession> session_;
    int width_ = ReplaySession::kDefaultSize;
    int height_ = ReplaySession::kDefaultSize;
};

class Acceptance : public ::testing::Test, public ReplayRig {};

}  // namespace quorlak::test
