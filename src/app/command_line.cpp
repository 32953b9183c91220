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
        "Usage: quorlak [--connect HOST:PORT | --demo | --help] [--state-file FILE] [--trace-startup]\n"
        "Duvur Quorlak, the client of the Quorlak dungeon game.\n"
        "\n"
        "Without options the start-up dialog asks for the server's address and port.\n"
        "  --connect HOST:PORT  skip the dialog and connect to HOST on PORT (1 to 65535);\n"
        "                       write an IPv6 address in brackets: [::1]:1212\n"
        "  --demo               start the stand-in game server inside the client on a free\n"
        "                       local port and connect to it\n"
        "  --state-file FILE    for testing: keep FILE current with the window's state as\n"
        "                       JSON (as quorlak-replay --state writes it), at most every\n"
        "                       200 ms while it changes, and once more at exit\n"
        "  --trace-startup      say on standard error how many milliseconds after the start\n"
        "                       the toolkit, the window and the first frame were ready\n"
        "  --help, -h           show this text\n");
}

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
            if (!chooseMode(LaunchOptions::Mode::Demo))
                return failure(QStringLiteral("--connect and --demo cannot be used together"));
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
            if (!chooseMode(LaunchOptions::Mode::Connect))
                return failure(QStringLiteral("--connect and --demo cannot be used together"));
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
        } else if (!ignoreUnknown) {
            const QString what = arg.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option")
                                                                  : QStringLiteral("unexpected argument");
            return failure(QStringLiteral("%1 \"%2\" (see --help)").arg(what, arg));
        }
    }
    if (help) {
        LaunchOptions shown;
        shown.mode = LaunchOptions::Mode::Help;
        shown.message = usageText();
        return shown;
    }
    return options;
}

}  // namespace quorlak
