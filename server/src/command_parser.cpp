#include "command_parser.h"

namespace quorlak::server {

namespace {

Command command(Command::Kind kind, int first = 0, int second = 0, const QString& text = {}) {
    return {kind, first, second, text};
}

// A whole number made of the text's digits only (blanks around allowed);
// 0 for an empty text, -1 for anything else.
int numberOrZero(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok && value >= 0 && trimmed.at(0).isDigit() ? value : -1;
}

Command withNumber(Command::Kind kind, const QString& rest) {
    const int number = numberOrZero(rest);
    if (number < 0) return command(Command::Kind::Unknown);
    return command(kind, number);
}

QString afterWord(const QString& line, int wordLength) { return line.mid(wordLength).trimmed(); }

}  // namespace

Command parseCommand(const QString& line) {
    const QString trimmed = line.trimmed();
    const QString lower = trimmed.toLower();
    if (trimmed.isEmpty()) return command(Command::Kind::Empty);
    if (lower == QLatin1String("help") || lower == QLatin1String("?")) return command(Command::Kind::Help);
    if (lower.startsWith(QLatin1String("say "))) return command(Command::Kind::Say, 0, 0, afterWord(trimmed, 4));
    if (lower.startsWith(QLatin1String("shout "))) return command(Command::Kind::Shout, 0, 0, afterWord(trimmed, 6));
    if (lower.startsWith(QLatin1String("mp"))) return command(Command::Kind::Message, 0, 0, afterWord(trimmed, 2));
    if (lower.startsWith(QLatin1String("bi"))) return withNumber(Command::Kind::Bank, trimmed.mid(2));
    if (lower.at(0).isDigit()) return withNumber(Command::Kind::Number, trimmed);

    const QString rest = trimmed.mid(1);
    switch (lower.at(0).toLatin1()) {
        case 'u': return withNumber(Command::Kind::Use, rest);
        case 'p': return withNumber(Command::Kind::Cast, rest);
        case 'g': return withNumber(Command::Kind::Give, rest);
        case 'x': {
            const int comma = rest.indexOf(',');
            const int first = numberOrZero(comma < 0 ? rest : rest.left(comma));
            const int second = comma < 0 ? 0 : numberOrZero(rest.mid(comma + 1));
            if (first < 0 || second < 0) return command(Command::Kind::Unknown);
            return command(Command::Kind::Exchange, first, second);
        }
        default: return command(Command::Kind::Unknown);
    }
}

}  // namespace quorlak::server
