#include "replay/replay_options.h"

#include <QRegularExpression>

namespace quorlak {

namespace {

bool parseChunk(const QString& text, size_t& out) {
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok);
    if (!ok || n == 0 || text.startsWith(QLatin1Char('+'))) return false;
    out = static_cast<size_t>(n);
    return true;
}

bool parseSize(const QString& text, int& w, int& h) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const auto m = pattern.match(text);
    if (!m.hasMatch()) return false;
    w = m.captured(1).toInt();
    h = m.captured(2).toInt();
    return w <= kMaxClientSize && h <= kMaxClientSize;
}

}  // namespace

std::variant<ReplayOptions, std::string> parseReplayArgs(const QStringList& args) {
    ReplayOptions opt;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            opt.streams << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help")) {
            opt.help = true;
            continue;
        }
        // "--name value" or "--name=value".
        QString name = arg;
        QString value;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const bool known =
            QStringList{"--chunk", "--size", "--png", "--state", "--script"}.contains(eq < 0 ? arg : arg.left(eq));
        if (!known) return "unknown option " + arg.toStdString();
        if (eq >= 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "option " + name.toStdString() + " needs a value";
        }
        if (name == QLatin1String("--chunk")) {
            if (!parseChunk(value, opt.chunk))
                return "--chunk needs a whole number of bytes above 0, not \"" + value.toStdString() + "\"";
        } else if (name == QLatin1String("--size")) {
            if (!parseSize(value, opt.width, opt.height))
                return "--size needs WxH with W and H from 0 to 32767, not \"" + value.toStdString() + "\"";
        } else if (value.isEmpty()) {
            return "option " + name.toStdString() + " needs a file name";
        } else if (name == QLatin1String("--png")) {
            opt.pngPath = value;
        } else if (name == QLatin1String("--state")) {
            opt.statePath = value;
        } else {
            opt.scriptPath = value;
        }
    }
    return opt;
}

std::string replayUsage() {
    return "Usage: quorlak-replay [--chunk N] [--size WxH] [--png FILE] [--state FILE] [--script FILE]\n"
           "                      [STREAM_FILE ...]\n"
           "Runs the client without its window on recorded server data and scripted events.\n"
           "\n"
           "  STREAM_FILE ...  server data, delivered in order before the script runs\n"
           "  --chunk N        cut every stream file into chunks of N bytes\n"
           "  --size WxH       resize the client area to W x H first (default 512x512)\n"
           "  --script FILE    player and clock events, one JSON object per line\n"
           "  --png FILE       write the 512 x 512 display area as a PNG at the end\n"
           "  --state FILE     write the client's state as JSON at the end (- for standard output)\n"
           "  --help           show this text\n"
           "\n"
           "Exit status: 0 when the run completed, 2 for unusable arguments, an unreadable file\n"
           "or a script line that is not a valid event.\n";
}

}  // namespace quorlak
