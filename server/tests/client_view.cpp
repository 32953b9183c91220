#include "client_view.h"

double clientNumber(const QString& text) {
    QString kept;
    for (QChar c : text) {
        if (c != ' ' && c != '\t' && c != '\n') kept += c;
    }
    int i = 0;
    QString number;
    if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) number += kept[i++];
    bool point = false;
    for (; i < kept.size(); ++i) {
        if (kept[i].isDigit()) {
            number += kept[i];
        } else if (kept[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    return number.toDouble();
}

QString fromCharacter(const QString& text, int n) { return text.mid(n - 1); }

std::array<int, 4> coordinates(const QByteArray& argument) {
    QByteArray plain = argument;
    plain.replace('(', ' ').replace(')', ' ').replace('-', ',');
    const QList<QByteArray> pieces = plain.split(',');
    std::array<int, 4> numbers = {0, 0, 0, 0};
    for (int i = 0; i < 4 && i < pieces.size(); ++i) numbers[i] = int(clientNumber(QString::fromLatin1(pieces[i])));
    return numbers;
}

void ClientView::feed(const QByteArray& stream) {
    if (!stream.isEmpty()) endsWithSeparator = stream.endsWith('\x1f');
    QList<QByteArray> parts = stream.split('\x1f');
    parts.removeLast();  // after the final separator
    for (const QByteArray& part : parts) {
        Record record{part.left(2), part.mid(2)};
        records.append(record);
        run(record);
    }
}

QStringList ClientView::textsAt(int y) const {
    QStringList found;
    for (const TextLine& line : texts) {
        if (line.y == y) found << line.text;
    }
    return found;
}

void ClientView::run(const Record& r) {
    const auto c = coordinates(r.argument);
    if (r.code == "cs") {
        at_ = {};
    } else if (r.code == "lc") {
        at_ = {c[0], c[1]};
    } else if (r.code == "cd") {
        cdSeen = true;
    } else if (r.code == "cu") {
        if (r.argument.startsWith("XXX")) {
            at_ = input;
        } else {
            input = {c[0] + 16, c[1]};
            inputLength = c[2];
            at_ = input;
        }
    } else if (r.code == "ln") {
        if (cdSeen && c[1] >= 123 && c[1] <= 145 && c[3] >= 123 && c[3] <= 145)
            highlightedSlots.append((c[0] <= 99 ? 1 : 3) + (c[1] > 135 ? 1 : 0));
    } else if (r.code == "fx") {
        if ((c[2] - c[0]) + (c[3] - c[1]) < 21 && c[1] > 200 && itemNum > 0)
            listMarks[itemNum] = QStringLiteral("\u2022");
    } else if (r.code == "cr") {
        if (c[1] != 436 && c[0] == 221) {
            logging = false;
            ++logEnds;
        }
    } else if (r.code == "cw") {
        const int n = int(clientNumber(QString::fromLatin1(r.argument)));
        if (n == 22 || n == 23) {
            if (!logging) log.clear();
            logging = true;
            ++logStarts;
        }
    } else if (r.code == "pt" || r.code == "po") {
        const QString text = QString::fromLatin1(r.argument.mid(1, r.argument.size() - 2));
        texts.append({at_.x(), at_.y(), text});
        if (!cdSeen) textBeforeFirstCd = true;
        else readText(text);
    }
}

void ClientView::readText(const QString& text) {
    const int x = at_.x();
    const int y = at_.y();
    const int h = 512 - y;
    if (h < 60) {
        readMessage(text);
    } else if (h <= 73) {
        if (text.startsWith(QLatin1String("Player is "))) {
            playerNotes << text;
            messages.append({QString(), QString(), QString(), text});
        }
    } else if (h <= 319 && x < 170) {
        if (x > 70 && h > 111 && h < 177) redStatusLines << text;
        else if (y == 219) food = int(clientNumber(fromCharacter(text, 18)));
        else if (y == 264 && x != 11) experience = qint64(clientNumber(fromCharacter(text, 10).remove(',')));
        else if (y == 204) {
            gaugeNow = int(clientNumber(fromCharacter(text, 14)));
            gaugeMax = int(clientNumber(fromCharacter(QString(text).replace('/', ' '), 18)));
        }
    } else if (h <= 319) {
        readList(text);
    } else if (h <= 420) {
        readEncounter(text);
    } else if (x < 170 && y < 16) {
        title = text;
    }
}

void ClientView::readMessage(QString text) {
    text.remove(0, 1);
    for (int i = int(messages.size()) - 1; i >= 0 && i >= messages.size() - 4; --i) {
        if (messages[i].line == text) return;
    }
    MessageRow row{text, {}, {}, {}};
    if (text.startsWith('\'')) {
        row.text = text;
    } else if (text.size() >= 23 && text.left(23).trimmed().isEmpty()) {
        row.kind = QStringLiteral("I");
        row.name = QStringLiteral("Treasure");
        row.text = text.trimmed();
    } else if (text.size() >= 2 && text[0] != ' ' && text[1] == ' ') {
        row.kind = text.left(1);
        row.name = text.mid(2, 21);
        row.text = text.mid(23);
    } else {
        row.text = text;
    }
    messages.append(row);
}

void ClientView::readList(const QString& text) {
    if (text == QLatin1String("B") && itemNum >= 1) {
        listMarks[itemNum] = QStringLiteral("B");
        return;
    }
    itemNum = int(qRound(clientNumber(text.left(2))));
    if (itemNum > 0 && text.size() >= 3 && text[2] == '.') {
        if (itemNum < int(listRows.size())) {
            listRows[itemNum] = text;
            listMarks[itemNum].clear();
        }
        listVisible = true;
    } else {
        listVisible = false;
    }
}

void ClientView::readEncounter(QString text) {
    text.replace(QLatin1String("Arctic"), QLatin1String("Furry"));
    text.replace(QLatin1String("Wolf"), QLatin1String("Husky"));
    text.replace(QLatin1String("Wolves"), QLatin1String("Huskies"));
    if (logging) log << text;
    const int first = int(clientNumber(text.left(1)));
    if (first > 0 && first < 5) {
        slotText[first] = text;
        slotAt[first] = at_;
    }
    if (text.contains(QLatin1String("drained"))) {
        messages.append({QString(), QString(), QString(), text});
    } else if (text.contains(QLatin1String(" user"))) {
        const int users = int(clientNumber(text));
        if (lastUsers == 1 && users > 1) ++beeps;
        lastUsers = users;
    }
}
