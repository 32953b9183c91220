#include "replay/script.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "panels/panel_models.h"
#include "replay/byte_text.h"
#include "replay/file_bytes.h"
#include "replay/replay_options.h"

namespace quorlak {

namespace {

using Kind = ScriptEvent::Kind;

constexpr int64_t kMaxTwips = 0x7fffffff;
constexpr int64_t kMaxMessageRow = int64_t{1} << 53;  // exact in a JSON number
constexpr double kMaxAdvanceMs = 2147483647.0;        // bounds the ticks one event can cause

// The key that names each kind of event. "char" alone is an event; beside
// "keydown" it is part of the key press.
constexpr std::array<const char*, 16> kEventKeys{
    "recv",   "recv_file", "keydown",   "settext",  "clipboard", "menu",    "mousedown",  "select",
    "scroll", "tab",       "mousemove", "dblclick", "resize",    "advance", "connection", "broadcast_in",
};

// A name from the script, quoted for a one-line message.
std::string quoted(const QString& s) {
    std::string out = "\"";
    for (const QChar c : s.left(40)) out.push_back(c.unicode() >= 0x20 && c.unicode() < 0x7f ? char(c.unicode()) : '?');
    return out + (s.size() > 40 ? "...\"" : "\"");
}

class LineParser {
public:
    LineParser(const QJsonObject& obj, std::string& error) : obj_(obj), error_(error) {}

    bool onlyKeys(std::initializer_list<const char*> allowed) {
        for (auto it = obj_.begin(); it != obj_.end(); ++it) {
            bool known = false;
            for (const char* key : allowed) known = known || it.key() == QLatin1String(key);
            if (!known) return fail("unexpected field " + quoted(it.key()));
        }
        return true;
    }

    bool integer(const char* key, int64_t lo, int64_t hi, int64_t& out) {
        const QJsonValue v = obj_.value(QLatin1String(key));
        if (v.isUndefined()) return fail(std::string("missing field \"") + key + "\"");
        return integerValue(v, key, lo, hi, out);
    }

    bool integerValue(const QJsonValue& v, const char* what, int64_t lo, int64_t hi, int64_t& out) {
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || d != std::trunc(d) || d < static_cast<double>(lo) ||
            d > static_cast<double>(hi))
            return fail(std::string("\"") + what + "\" must be an integer from " + std::to_string(lo) + " to " +
                        std::to_string(hi));
        out = static_cast<int64_t>(d);
        return true;
    }

    bool bytes(const char* key, std::string& out) {
        QString text;
        if (!string(key, text)) return false;
        auto b = bytesFromJsonText(text);
        if (!b) return fail(std::string("\"") + key + "\" holds a character above U+00FF");
        out = std::move(*b);
        return true;
    }

    bool string(const char* key, QString& out) {
        const QJsonValue v = obj_.value(QLatin1String(key));
        if (v.isUndefined()) return fail(std::string("missing field \"") + key + "\"");
        if (!v.isString()) return fail(std::string("\"") + key + "\" must be a string");
        out = v.toString();
        return true;
    }

    bool fail(std::string why) {
        error_ = std::move(why);
        return false;
    }

private:
    const QJsonObject& obj_;
    std::string& error_;
};

bool parseKeyDown(LineParser& p, const QJsonObject& obj, ScriptEvent& ev) {
    ev.kind = Kind::KeyDown;
    int64_t vk = 0;
    int64_t mask = 0;
    if (!p.onlyKeys({"keydown", "mask", "char"}) || !p.integer("keydown", 0, 255, vk) || !p.integer("mask", 0, 7, mask))
        return false;
    ev.vk = static_cast<int16_t>(vk);
    ev.mask = static_cast<int16_t>(mask);
    if (obj.contains(QLatin1String("char"))) {
        int64_t ch = 0;
        if (!p.integer("char", 0, 255, ch)) return false;
        ev.ch = static_cast<int16_t>(ch);
    }
    return true;
}

bool parseMouseDown(LineParser& p, ScriptEvent& ev) {
    QString target;
    int64_t button = 0;
    if (!p.string("mousedown", target)) return false;
    if (target == QLatin1String("griditems")) {
        ev.kind = Kind::MouseDownItems;
        int64_t y = 0;
        if (!p.onlyKeys({"mousedown", "button", "y"}) || !p.integer("button", 1, 2, button) ||
            !p.integer("y", 0, kMaxTwips, y))
            return false;
        ev.y = static_cast<int>(y);
    } else if (target == QLatin1String("TabStrip1")) {
        ev.kind = Kind::MouseDownTabs;
        if (!p.onlyKeys({"mousedown", "button"}) || !p.integer("button", 1, 2, button)) return false;
    } else {
        return p.fail("\"mousedown\" must be \"griditems\" or \"TabStrip1\"");
    }
    ev.button = static_cast<int>(button);
    return true;
}

bool parseSelect(LineParser& p, ScriptEvent& ev) {
    QString target;
    if (!p.string("select", target) || !p.onlyKeys({"select", "row"})) return false;
    if (target == QLatin1String("griditems")) {
        ev.kind = Kind::SelectItems;
        return p.integer("row", 0, ItemGridModel::kRows - 1, ev.row);
    }
    if (target == QLatin1String("gridmess")) {
        ev.kind = Kind::SelectMessages;
        return p.integer("row", 0, kMaxMessageRow, ev.row);
    }
    return p.fail("\"select\" must be \"griditems\" or \"gridmess\"");
}

bool parseMouseMove(LineParser& p, ScriptEvent& ev) {
    QString target;
    if (!p.string("mousemove", target)) return false;
    if (target == QLatin1String("form")) {
        ev.kind = Kind::MouseMoveForm;
        return p.onlyKeys({"mousemove"});
    }
    if (target == QLatin1String("griditems")) {
        ev.kind = Kind::MouseMoveItems;
        int64_t y = 0;
        if (!p.onlyKeys({"mousemove", "y"}) || !p.integer("y", 0, kMaxTwips, y)) return false;
        ev.y = static_cast<int>(y);
        return true;
    }
    return p.fail("\"mousemove\" must be \"form\" or \"griditems\"");
}

bool parseResize(LineParser& p, const QJsonObject& obj, ScriptEvent& ev) {
    ev.kind = Kind::Resize;
    if (!p.onlyKeys({"resize"})) return false;
    const QJsonValue v = obj.value(QLatin1String("resize"));
    if (!v.isArray() || v.toArray().size() != 2) return p.fail("\"resize\" must be an array [W, H]");
    int64_t w = 0;
    int64_t h = 0;
    if (!p.integerValue(v.toArray().at(0), "resize", 0, kMaxClientSize, w) ||
        !p.integerValue(v.toArray().at(1), "resize", 0, kMaxClientSize, h))
        return false;
    ev.width = static_cast<int>(w);
    ev.height = static_cast<int>(h);
    return true;
}

bool parseAdvance(LineParser& p, const QJsonObject& obj, ScriptEvent& ev) {
    ev.kind = Kind::Advance;
    if (!p.onlyKeys({"advance"})) return false;
    const QJsonValue v = obj.value(QLatin1String("advance"));
    const double ms = v.toDouble();
    if (!v.isDouble() || !std::isfinite(ms) || ms < 0 || ms > kMaxAdvanceMs)
        return p.fail("\"advance\" must be a number of milliseconds from 0 to 2147483647");
    ev.ms = ms;
    return true;
}

bool parseEvent(const QJsonObject& obj, const QString& key, ScriptEvent& ev, std::string& error) {
    LineParser p(obj, error);
    int64_t n = 0;
    if (key == QLatin1String("recv")) {
        ev.kind = Kind::Recv;
        return p.onlyKeys({"recv"}) && p.bytes("recv", ev.bytes);
    }
    if (key == QLatin1String("recv_file")) {
        ev.kind = Kind::RecvFile;
        if (!p.onlyKeys({"recv_file"}) || !p.string("recv_file", ev.path)) return false;
        return !ev.path.isEmpty() || p.fail("\"recv_file\" must name a file");
    }
    if (key == QLatin1String("keydown")) return parseKeyDown(p, obj, ev);
    if (key == QLatin1String("char")) {
        ev.kind = Kind::Char;
        if (!p.onlyKeys({"char"}) || !p.integer("char", 0, 255, n)) return false;
        ev.ch = static_cast<int16_t>(n);
        return true;
    }
    if (key == QLatin1String("settext")) {
        ev.kind = Kind::SetText;
        return p.onlyKeys({"settext"}) && p.bytes("settext", ev.bytes);
    }
    if (key == QLatin1String("clipboard")) {
        ev.kind = Kind::Clipboard;
        return p.onlyKeys({"clipboard"}) && p.bytes("clipboard", ev.bytes);
    }
    if (key == QLatin1String("menu")) {
        ev.kind = Kind::Menu;
        QString name;
        if (!p.onlyKeys({"menu"}) || !p.string("menu", name)) return false;
        const QByteArray latin = name.toLatin1();
        if (const auto item = menuItemNamed(std::string_view(latin.constData(), size_t(latin.size())));
            item && QString::fromLatin1(latin) == name) {
            ev.menu = *item;
            return true;
        }
        return p.fail("unknown menu item " + quoted(name));
    }
    if (key == QLatin1String("mousedown")) return parseMouseDown(p, ev);
    if (key == QLatin1String("select")) return parseSelect(p, ev);
    if (key == QLatin1String("scroll")) {
        ev.kind = Kind::ScrollItems;
        QString target;
        if (!p.onlyKeys({"scroll", "toprow"}) || !p.string("scroll", target)) return false;
        if (target != QLatin1String("griditems")) return p.fail("\"scroll\" must be \"griditems\"");
        return p.integer("toprow", 0, ItemGridModel::kRows - 1, ev.row);
    }
    if (key == QLatin1String("tab")) {
        ev.kind = Kind::Tab;
        return p.onlyKeys({"tab"}) && p.integer("tab", 1, 6, ev.row);
    }
    if (key == QLatin1String("mousemove")) return parseMouseMove(p, ev);
    if (key == QLatin1String("dblclick")) {
        ev.kind = Kind::DoubleClick;
        if (!p.onlyKeys({"dblclick"})) return false;
        return obj.value(QLatin1String("dblclick")) == QJsonValue(true) || p.fail("\"dblclick\" must be true");
    }
    if (key == QLatin1String("resize")) return parseResize(p, obj, ev);
    if (key == QLatin1String("advance")) return parseAdvance(p, obj, ev);
    if (key == QLatin1String("connection")) {
        ev.kind = Kind::Connection;
        QString state;
        if (!p.onlyKeys({"connection"}) || !p.string("connection", state)) return false;
        if (state != QLatin1String("open") && state != QLatin1String("closed"))
            return p.fail("\"connection\" must be \"open\" or \"closed\"");
        ev.open = state == QLatin1String("open");
        return true;
    }
    // broadcast_in
    ev.kind = Kind::BroadcastIn;
    if (!p.onlyKeys({"broadcast_in"}) || !p.integer("broadcast_in", 0, 255, n)) return false;
    ev.vk = static_cast<int16_t>(n);
    return true;
}

}  // namespace

bool isBlankScriptLine(std::string_view line) {
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    return true;
}

std::optional<ScriptEvent> parseScriptLine(std::string_view line, std::string& error) {
    QJsonParseError parseError;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = "not JSON: " + parseError.errorString().toStdString();
        return std::nullopt;
    }
    if (!doc.isObject()) {
        error = "not a JSON object";
        return std::nullopt;
    }
    const QJsonObject obj = doc.object();

    // Exactly one event key; "char" is the event only when no "keydown" is given.
    QString key;
    int found = 0;
    for (const char* k : kEventKeys) {
        if (obj.contains(QLatin1String(k))) {
            key = QLatin1String(k);
            ++found;
        }
    }
    if (found == 0 && obj.contains(QLatin1String("char"))) {
        key = QStringLiteral("char");
        found = 1;
    }
    if (found != 1) {
        error = found == 0 ? "no event named" : "more than one event on the line";
        return std::nullopt;
    }
    ScriptEvent ev;
    if (!parseEvent(obj, key, ev, error)) return std::nullopt;
    return ev;
}

bool loadScript(const QString& path, std::vector<ScriptEvent>& events, std::string& error) {
    const auto script = readFileBytes(path, error);
    if (!script) return false;
    if (!parseScript(*script, events, error)) {
        error = path.toStdString() + " " + error;
        return false;
    }
    const QDir scriptDir = QFileInfo(path).absoluteDir();
    for (auto& ev : events) {
        if (ev.kind != ScriptEvent::Kind::RecvFile || QFileInfo(ev.path).isAbsolute() || QFileInfo::exists(ev.path))
            continue;
        const QString besideScript = scriptDir.filePath(ev.path);
        if (QFileInfo::exists(besideScript)) ev.path = besideScript;
    }
    return true;
}

namespace {

void appendMember(std::string& out, const char* key) {
    out += out.size() > 1 ? ", \"" : "\"";
    out += key;
    out += "\": ";
}

void appendIntMember(std::string& out, const char* key, int64_t value) {
    appendMember(out, key);
    appendJsonInt(out, value);
}

void appendBytesMember(std::string& out, const char* key, std::string_view bytes) {
    appendMember(out, key);
    appendJsonBytes(out, bytes);
}

void appendNameMember(std::string& out, const char* key, std::string_view name) {
    appendMember(out, key);
    out += '"';
    out += name;
    out += '"';
}

}  // namespace

std::string scriptLine(const ScriptEvent& event) {
    std::string out = "{";
    switch (event.kind) {
        case Kind::Recv: appendBytesMember(out, "recv", event.bytes); break;
        case Kind::RecvFile: {
            appendMember(out, "recv_file");
            out += QJsonDocument(QJsonArray{event.path}).toJson(QJsonDocument::Compact).mid(1).chopped(1).toStdString();
            break;
        }
        case Kind::KeyDown:
            appendIntMember(out, "keydown", event.vk);
            appendIntMember(out, "mask", event.mask);
            if (event.ch) appendIntMember(out, "char", *event.ch);
            break;
        case Kind::Char: appendIntMember(out, "char", event.ch.value_or(0)); break;
        case Kind::SetText: appendBytesMember(out, "settext", event.bytes); break;
        case Kind::Clipboard: appendBytesMember(out, "clipboard", event.bytes); break;
        case Kind::Menu: appendNameMember(out, "menu", menuItemName(event.menu)); break;
        case Kind::MouseDownItems:
            appendNameMember(out, "mousedown", "griditems");
            appendIntMember(out, "button", event.button);
            appendIntMember(out, "y", event.y);
            break;
        case Kind::MouseDownTabs:
            appendNameMember(out, "mousedown", "TabStrip1");
            appendIntMember(out, "button", event.button);
            break;
        case Kind::SelectItems:
        case Kind::SelectMessages:
            appendNameMember(out, "select", event.kind == Kind::SelectItems ? "griditems" : "gridmess");
            appendIntMember(out, "row", event.row);
            break;
        case Kind::ScrollItems:
            appendNameMember(out, "scroll", "griditems");
            appendIntMember(out, "toprow", event.row);
            break;
        case Kind::Tab: appendIntMember(out, "tab", event.row); break;
        case Kind::MouseMoveForm: appendNameMember(out, "mousemove", "form"); break;
        case Kind::MouseMoveItems:
            appendNameMember(out, "mousemove", "griditems");
            appendIntMember(out, "y", event.y);
            break;
        case Kind::DoubleClick:
            appendMember(out, "dblclick");
            out += "true";
            break;
        case Kind::Resize:
            appendMember(out, "resize");
            out += '[' + std::to_string(event.width) + ", " + std::to_string(event.height) + ']';
            break;
        case Kind::Advance:
            appendMember(out, "advance");
            appendJsonNumber(out, event.ms);
            break;
        case Kind::Connection: appendNameMember(out, "connection", event.open ? "open" : "closed"); break;
        case Kind::BroadcastIn: appendIntMember(out, "broadcast_in", event.vk); break;
    }
    return out + "}";
}

bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, std::string& error) {
    // A byte order mark some editors write is no part of the first event.
    if (text.substr(0, 3) == "\xef\xbb\xbf") text.remove_prefix(3);
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (isBlankScriptLine(line)) continue;
        std::string why;
        auto ev = parseScriptLine(line, why);
        if (!ev) {
            error = "line " + std::to_string(lineNo) + ": not a valid event: " + why;
            return false;
        }
        ev->line = lineNo;
        events.push_back(std::move(*ev));
    }
    return true;
}

}  // namespace quorlak
