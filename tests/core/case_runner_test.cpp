// Runs the case files in tests/cases through the replay driver: one test per
// case, each line an event or an expectation on the state the driver writes.
//
//   # comment
//   !case Title that says the behaviour      a new case on a fresh client; lines before a file's
//                                            first case start each of its cases
//   !size 1024x700                           the client area it starts with
//   !cut 1 3                                 run again with every chunk cut in pieces of 1, then 3 bytes
//   !pictures  /  !font missing              the data-file pictures; a face the platform lacks
//   !fresh                                   another fresh client in the same case
//   {"menu": "mnutextbox"}                   a replay script event, verbatim
//   keys 65 65+1 192+1:126                   key presses: code, "+" modifier mask, ":" the character typed
//   recv lc(1,2)\x1f                         a chunk from the server, with C escapes
//   recv*400 pt'.'\x1f                       one chunk of the bytes 400 times over
//   text 200,300 ' 1.Sword'                  the same as recv lc(200,300)\x1fpt' 1.Sword'\x1f; more
//                                            "X,Y 'text'" after it go in the same chunk
//   snap NAME                                keeps the picture; ?same NAME / ?differs NAME compare with it
//   ?drawn  /  ?undrawn                      the line before changed the picture / left it as it was
//   ?txtbox.top 300                          a state path (index -1 is the last, # the size) holds a JSON value;
//   ? {"boxleft": 0, "txtbox": {"top": 1}}   objects hold at least the members given
//   ?broadcasts [70]                         keys broadcast to other windows
//   ?pixel 250,198 #ff0000 ...               pixels of the picture
//   ?pixels 0,0,511,34 #ff8000 0 ...         pixels of a colour in a rectangle: N, >N, <N or all
//   ?art 100,40 #ff8000                      rows below it, each "| ##..": # the colour, . anything else
#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/data_files.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "replay/state_json.h"
#include "test_app.h"

namespace quorlak::test {
namespace {

struct CaseLine {
    int number = 0;
    std::string text;
    std::vector<std::string> art;  // the rows of an ?art expectation
};

struct CaseScript {
    std::string path, title, name;
    int line = 0;
    std::vector<size_t> cuts{0};
    std::vector<CaseLine> lines;
};

void PrintTo(const CaseScript& c, std::ostream* os) { *os << c.path << ":" << c.line << " " << c.title; }

std::vector<CaseScript> loadCases() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(QUORLAK_CASE_DIR))
        if (entry.path().extension() == ".case") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<CaseScript> cases;
    for (const auto& path : files) {
        std::ifstream in(path);
        std::string text;
        const size_t first = cases.size();
        std::vector<CaseLine> opening;  // lines before the first case start every case of the file
        for (int number = 1; std::getline(in, text); ++number) {
            if (!text.empty() && text.back() == '\r') text.pop_back();
            if (text.empty() || text[0] == '#') continue;
            if (text.rfind("!case ", 0) == 0) {
                // "the box stays put" in stream.case is the test stream_TheBoxStaysPut
                std::string name = path.stem().string() + "_";
                bool upper = true;
                for (const char c : text.substr(6)) {
                    if (std::isalnum(static_cast<unsigned char>(c)))
                        name.push_back(upper ? char(std::toupper(static_cast<unsigned char>(c))) : c);
                    upper = !std::isalnum(static_cast<unsigned char>(c));
                }
                cases.push_back({path.string(), text.substr(6), name, number, {0}, opening});
            } else if (cases.size() == first) {
                opening.push_back({number, text, {}});
            } else if (text.rfind("!cut ", 0) == 0) {
                std::istringstream sizes(text.substr(5));
                for (size_t n; sizes >> n;) cases.back().cuts.push_back(n);
            } else if (text[0] == '|' && !cases.back().lines.empty()) {
                cases.back().lines.back().art.push_back(text.substr(std::min<size_t>(2, text.size())));
            } else {
                cases.back().lines.push_back({number, text, {}});
            }
        }
    }
    return cases;
}

// C escapes: \xNN, \r, \n, \t; any other character after a backslash stands for itself.
std::string unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = i + 1 < s.size() && s[i] == '\\' ? s[++i] : 0;
        if (c == 'x' && i + 2 < s.size()) {
            out.push_back(static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(c == 0 ? s[i] : c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c);
        }
    }
    return out;
}

QRgb colourOf(const std::string& text) { return std::stoul(text.substr(text.find('#') + 1), nullptr, 16); }

// Objects hold at least the members wanted; arrays and plain values are equal.
bool holds(const QJsonValue& got, const QJsonValue& want) {
    if (want.isObject()) {
        const QJsonObject w = want.toObject();
        for (auto it = w.begin(); it != w.end(); ++it)
            if (!got.isObject() || !holds(got.toObject().value(it.key()), it.value())) return false;
        return got.isObject();
    }
    if (!want.isArray()) return got == want;
    const QJsonArray g = got.toArray(), w = want.toArray();
    if (!got.isArray() || g.size() != w.size()) return false;
    for (qsizetype i = 0; i < w.size(); ++i)
        if (!holds(g[i], w[i])) return false;
    return true;
}

// What was got, cut down to the members wanted, for the failure message.
QJsonValue shown(const QJsonValue& got, const QJsonValue& want) {
    if (!want.isObject() || !got.isObject()) return got;
    QJsonObject out;
    for (const auto& key : want.toObject().keys())
        out[key] = got.toObject().contains(key) ? shown(got[key], want[key]) : QJsonValue(QStringLiteral("(missing)"));
    return out;
}

// "X,Y 'text' X,Y 'more'": a locate and a text record for each; a text runs
// from its delimiter to the same one before the next position or the end.
std::string textRecords(const std::string& line) {
    static const std::regex next(R"(^ \d+,\d+ )");
    std::string out;
    for (size_t at = 0; at < line.size();) {
        const size_t space = line.find(' ', at);
        if (space == std::string::npos) break;
        size_t end = space + 2;
        while (end < line.size() && (line[end] != line[space + 1] ||
                                     !(end + 1 == line.size() || std::regex_search(line.substr(end + 1), next))))
            ++end;
        out += "lc(" + line.substr(at, space - at) + ")\x1fpt" + unescape(line.substr(space + 1, end - space)) + "\x1f";
        at = end + 2;
    }
    return out;
}

// One run of a case on fresh clients.
class CaseRun {
public:
    CaseRun(const CaseScript& script, size_t cut) : script_(script), cut_(cut) {}

    void step(const CaseLine& line) {
        line_ = &line;
        const std::string& t = line.text;
        if (t[0] != '?' && t[0] != '!' && session_) before_ = picture();
        const auto space = t.find(' ');
        const std::string word = t.substr(0, space), rest = space == std::string::npos ? "" : t.substr(space + 1);
        int x = 0, y = 0;
        std::sscanf(rest.c_str(), "%d,%d", &x, &y);
        if (word == "!size") {
            if (session_) return fail("!size after the client has started");
            std::sscanf(rest.c_str(), "%dx%d", &width_, &height_);
        } else if (word == "!pictures") {
            pictures_ = loadPictures();
        } else if (word == "!font") {
            font_ = QFont(QStringLiteral("No Such Terminal Face"));
            font_.setPixelSize(16);
        } else if (word == "!fresh") {
            session_.reset();
        } else if (word == "?drawn" || word == "?undrawn") {
            if ((before_ != picture()) != (word == "?drawn"))
                fail("the line before drew " + std::string(word == "?drawn" ? "nothing" : "something"));
        } else if (word == "keys") {
            std::istringstream keys(rest);
            for (std::string key; keys >> key;) {
                int vk = 0, mask = 0;
                std::sscanf(key.c_str(), "%d+%d", &vk, &mask);
                const auto ch = key.find(':');
                run("{\"keydown\": " + std::to_string(vk) + ", \"mask\": " + std::to_string(mask) +
                    (ch == std::string::npos ? "" : ", \"char\": " + key.substr(ch + 1)) + "}");
            }
        } else if (t[0] == '{') {
            run(t);
        } else if (word == "recv" || word.rfind("recv*", 0) == 0) {
            std::string bytes;
            for (int n = word == "recv" ? 1 : std::stoi(word.substr(5)); n > 0; --n) bytes += unescape(rest);
            receive(bytes);
        } else if (word == "text") {
            receive(textRecords(rest));
        } else if (word == "snap") {
            snaps_[rest] = picture();
        } else if (word == "?same" || word == "?differs") {
            if (!snaps_.count(rest)) return fail("no picture named " + rest);
            if ((snaps_[rest] == picture()) != (word == "?same")) fail("the picture " + word.substr(1) + " " + rest);
        } else if (word == "?pixel") {
            std::istringstream pairs(rest);
            for (std::string at, colour; pairs >> at >> colour;) {
                std::sscanf(at.c_str(), "%d,%d", &x, &y);
                const QRgb got = picture().pixel(x, y) & 0xffffff;
                if (got != colourOf(colour)) fail(at + " is " + QColor(got).name().toStdString());
            }
        } else if (word == "?pixels") {
            std::istringstream triples(rest);
            for (std::string area, colour, want; triples >> area >> colour >> want;) expectPixels(area, colour, want);
        } else if (word == "?art") {
            expectArt(x, y, colourOf(rest), line.art);
        } else if (word == "?broadcasts") {
            QJsonArray got;
            for (const int16_t vk : session().host().broadcasts()) got.append(vk);
            expectValue(got, rest);
        } else if (word[0] == '?') {
            expectValue(at(word.substr(1)), rest);
        } else {
            fail("unknown line");
        }
    }

private:
    ReplaySession& session() {
        if (!session_) session_ = std::make_unique<ReplaySession>(pictures_, font_, width_, height_);
        return *session_;
    }
    QImage picture() { return session().core().canvas().image().copy(); }

    // One script line, as the driver reads it.
    void run(const std::string& line) {
        std::string error;
        const auto ev = parseScriptLine(line, error);
        if (!ev) return fail("not a valid event: " + error);
        if (!session().run(*ev, error)) fail(error);
    }

    void receive(const std::string& bytes) {
        const size_t piece = cut_ ? cut_ : std::max<size_t>(bytes.size(), 1);
        for (size_t i = 0; i < bytes.size(); i += piece) {
            ScriptEvent ev;
            ev.bytes = bytes.substr(i, piece);
            std::string error;
            session().run(ev, error);
        }
    }

    QJsonValue at(const std::string& path) {
        QJsonValue v = QJsonDocument::fromJson(
                           QByteArray::fromStdString(stateJson(session().core(), session().host(), session().now())))
                           .object();
        std::istringstream parts(path);
        for (std::string key; std::getline(parts, key, '.');) {
            if (key == "#") {
                v = v.isArray() ? v.toArray().size() : v.isObject() ? v.toObject().size() : v.toString().size();
            } else if (v.isArray()) {
                const int i = std::stoi(key);
                v = v.toArray().at(i < 0 ? v.toArray().size() + i : i);
            } else {
                v = v.toObject().value(QString::fromStdString(key));
            }
        }
        return v;
    }

    void expectValue(const QJsonValue& got, const std::string& want) {
        QJsonParseError error;
        const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + want + "]"), &error);
        if (error.error != QJsonParseError::NoError || doc.array().size() != 1) return fail("not a JSON value");
        if (holds(got, doc.array().at(0))) return;
        const QByteArray text = QJsonDocument(QJsonArray{shown(got, doc.array().at(0))}).toJson(QJsonDocument::Compact);
        fail("got " + (got.isUndefined() ? "nothing" : text.mid(1, text.size() - 2).toStdString()));
    }

    void expectPixels(const std::string& area, const std::string& colour, const std::string& want) {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0, n = 0;
        std::sscanf(area.c_str(), "%d,%d,%d,%d", &x0, &y0, &x1, &y1);
        const QImage image = picture();
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += (image.pixel(x, y) & 0xffffff) == colourOf(colour);
        const int all = (x1 - x0 + 1) * (y1 - y0 + 1);
        const bool ok = want == "all"    ? n == all
                        : want[0] == '>' ? n > std::stoi(want.substr(1))
                        : want[0] == '<' ? n < std::stoi(want.substr(1))
                                         : n == std::stoi(want);
        if (!ok) fail(area + " has " + std::to_string(n) + " of " + std::to_string(all));
    }

    void expectArt(int x0, int y0, QRgb rgb, const std::vector<std::string>& rows) {
        const QImage image = picture();
        std::string drawn, wanted;
        for (size_t r = 0; r < rows.size(); ++r) {
            wanted += "\n| " + rows[r];
            drawn += "\n| ";
            for (size_t c = 0; c < rows[r].size(); ++c)
                drawn += (image.pixel(x0 + int(c), y0 + int(r)) & 0xffffff) == rgb ? '#' : '.';
        }
        if (drawn != wanted) fail("the picture there is" + drawn);
    }

    void fail(const std::string& why) {
        ADD_FAILURE_AT(script_.path.c_str(), line_->number)
            << line_->text << "\n  " << why
            << (cut_ ? "\n  (chunks cut in pieces of " + std::to_string(cut_) + ")" : "");
    }

    const CaseScript& script_;
    const size_t cut_;
    const CaseLine* line_ = nullptr;
    int width_ = ReplaySession::kDefaultSize;
    int height_ = ReplaySession::kDefaultSize;
    QFont font_ = (ensureGuiApp(), loadTerminalFont());
    Pictures pictures_;
    std::unique_ptr<ReplaySession> session_;
    std::map<std::string, QImage> snaps_;
    QImage before_;  // the picture before the last event
};

class Case : public ::testing::TestWithParam<CaseScript> {};

TEST_P(Case, Holds) {
    for (const size_t cut : GetParam().cuts) {
        CaseRun run(GetParam(), cut);
        for (const auto& line : GetParam().lines) run.step(line);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Case, ::testing::ValuesIn(loadCases()),
                         [](const ::testing::TestParamInfo<CaseScript>& info) { return info.param.name; });

}  // namespace
}  // namespace quorlak::test
