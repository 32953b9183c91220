#include "app/command_line.h"

namespace quorlak {

namespace {

LaunchOptions failure(const QString& message) {
    LaunchOptions options;
    options.mode = LaunchOptions::Mode::Error;
    options.message = message;
    options.exitStatus = 2;
    return options;
}

}  // namespace

QString usageText() {
    return QStringLiteral(
        "Usage: quorlak [--connect HOST:PORT | --demo | --play FILE [--speed N] | --help]\n"
        "               [--zoom N] [--record FILE] [--state-file FILE] [--trace-startup]\n"
        "Duvur Quorlak, the client of the Quorlak dungeon game.\n"
        "\n"
        "Without options the start-up dialog asks for the server's address and port.\n"
        "  --connect HOST:PORT  skip the dialog and connect to HOST on PORT (1 to 65535);\n"
        "                       write an IPv6 address in brackets: [::1]:1212\n"
        "  --demo               start the stand-in game server inside the client on a free\n"
        "                       local port and connect to it\n"
        "  --play FILE          show the session recorded in FILE at its own pace, with\n"
        "                       pause, speed and progress in the status bar; no server\n"
        "  --speed N            play at N times the recorded pace (0.5 to 8; default 1)\n"
        "  --zoom N             show the game N times as large (1 to 4) and remember it\n"
        "  --record FILE        record the session into FILE as a script for\n"
        "                       quorlak-replay --script FILE, or quorlak --play FILE\n"
        "  --state-file FILE    for testing: keep FILE current with the window's state as\n"
        "                       JSON (as quorlak-replay --state writes it), at most every\n"
        "                       200 ms while it changes, and once more at exit\n"
        "  --trace-startup      say on standard error how many milliseconds after the start\n"
        "                       the toolkit, the window and the first frame were ready\n"
        "  --help, -h           show this text\n");
}

namespace {

// Why a second way to start cannot join the one chosen first.
QString modeClash(LaunchOptions::Mode first) {
    return first == LaunchOptions::Mode::Play ? QStringLiteral("--play cannot be used with --connect or --demo")
                                              : QStringLiteral("--connect and --demo cannot be used together");
}

// The value of an option given as "--name VALUE" or "--name=VALUE".
std::optional<QString> optionValue(const QStringList& args, qsizetype& i) {
    const QString& arg = args[i];
    if (const qsizetype eq = arg.indexOf(QLatin1Char('=')); eq >= 0) return arg.mid(eq + 1);
    if (i + 1 < args.size()) return args[++i];
    return std::nullopt;
}

bool isOption(const QString& arg, const char* name) {
    return arg == QLatin1String(name) || arg.startsWith(QLatin1String(name) + QLatin1Char('='));
}

}  // namespace

LaunchOptions parseCommandLine(const QStringList& args, bool ignoreUnknown) {
    LaunchOptions options;
    bool haveMode = false;
    auto chooseMode = [&](LaunchOptions::Mode mode) {
        if (haveMode && options.mode != mode) return false;
        haveMode = true;
        options.mode = mode;
        return true;
    };
    bool help = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            help = true;
        } else if (arg == QLatin1String("--demo")) {
            if (!chooseMode(LaunchOptions::Mode::Demo)) return failure(modeClash(options.mode));
        } else if (arg == QLatin1String("--connect") || arg.startsWith(QLatin1String("--connect="))) {
            QString value;
            if (arg.contains(QLatin1Char('='))) {
                value = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return failure(QStringLiteral("--connect needs HOST:PORT"));
            }
            if (haveMode && options.mode == LaunchOptions::Mode::Connect)
                return failure(QStringLiteral("--connect given more than once"));
            if (!chooseMode(LaunchOptions::Mode::Connect)) return failure(modeClash(options.mode));
            QString error;
            const auto address = parseServerAddress(value, &error);
            if (!address) return failure(QStringLiteral("--connect: ") + error);
            options.address = *address;
        } else if (arg == QLatin1String("--state-file") || arg.startsWith(QLatin1String("--state-file="))) {
            if (arg.contains(QLatin1Char('='))) {
                options.stateFile = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);
            } else if (i + 1 < args.size()) {
                options.stateFile = args[++i];
            } else {
                return failure(QStringLiteral("--state-file needs a file name"));
            }
            if (options.stateFile.isEmpty()) return failure(QStringLiteral("--state-file needs a file name"));
        } else if (arg == QLatin1String("--trace-startup")) {
            options.traceStartup = true;
        } else if (isOption(arg, "--zoom")) {
            bool ok = false;
            const int zoom = optionValue(args, i).value_or(QString()).toInt(&ok);
            if (!ok || zoom < 1 || zoom > 4) return failure(QStringLiteral("--zoom needs a whole number from 1 to 4"));
            options.zoom = zoom;
        } else if (isOption(arg, "--speed")) {
            bool ok = false;
            options.speed = optionValue(args, i).value_or(QString()).toDouble(&ok);
            if (!ok || !(options.speed >= 0.5 && options.speed <= 8))
                return failure(QStringLiteral("--speed needs a number from 0.5 to 8"));
        } else if (isOption(arg, "--record") || isOption(arg, "--play")) {
            const bool play = isOption(arg, "--play");
            const QString file = optionValue(args, i).value_or(QString());
            if (file.isEmpty())
                return failure(QStringLiteral("%1 needs a file name").arg(play ? "--play" : "--record"));
            if (play) {
                if (!chooseMode(LaunchOptions::Mode::Play))
                    return failure(QStringLiteral("--play cannot be used with --connect or --demo"));
                options.playFile = file;
            } else {
                options.recordFile = file;
            }
        } else if (!ignoreUnknown) {
            const QString what = arg.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option")
                                                                  : QStringLiteral("unexpected argument");
            return failure(QStringLiteral("%1 \"%2\" (see --help)").arg(what, arg));
        }
    }
    if (options.mode == LaunchOptions::Mode::Play && !options.recordFile.isEmpty())
        return failure(QStringLiteral("--record cannot be used with --play"));
    if (help) {
        LaunchOptions shown;
        shown.mode = LaunchOptions::Mode::Help;
        shown.message = usageText();
        return shown;
    }
    return options;
}

}  // namespace quorlak
