#include "screen_lines.h"

#include "screen_layout.h"

namespace quorlak::server {

namespace {

constexpr int kGaugeLimit = 999;  // three digits on each side of the "/"
constexpr int kFoodLimit = 999;
constexpr int kExperienceLabelWidth = 9;
constexpr int kSlotNameWidth = 12;
constexpr int kTalkNameWidth = 21;
constexpr int kTreasureIndent = 23;

}  // namespace

QString withThousands(qint64 value) {
    QString digits = QString::number(qAbs(value));
    for (int i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, ',');
    return value < 0 ? '-' + digits : digits;
}

QString statusLine(const QString& label, const QString& value) {
    const int gap = qMax(1, layout::kStatusWidth - label.size() - value.size());
    return label + QString(gap, ' ') + value;
}

QString gaugeLine(int now, int maximum) {
    // The client reads the current value from the 14th character on (up to
    // the "/") and the maximum from the 18th, so: label to the 13th, the
    // current value right-aligned in 14..16, "/" at 17, the maximum from 18.
    return QStringLiteral("Health:      %1/%2")
        .arg(qBound(0, now, kGaugeLimit), 3)
        .arg(qBound(1, maximum, kGaugeLimit));
}

QString foodLine(int food) {
    // Read from the 18th character on: the value ends at the 20th.
    return statusLine(QStringLiteral("Food:"), QString::number(qBound(0, food, kFoodLimit)).rightJustified(3));
}

QString experienceLine(qint64 experience) {
    // Read from the 10th character on with the commas taken out, so the
    // label and its blanks take exactly nine, however long the number.
    return QStringLiteral("Exp:     ") +
           withThousands(experience).rightJustified(layout::kStatusWidth - kExperienceLabelWidth);
}

QString listLine(int number, const QString& text) { return QStringLiteral("%1.").arg(number, 2) + text; }

QString slotLine(int slot, const QString& name, const QString& state) {
    return QString::number(slot) + ' ' + name.leftJustified(kSlotNameWidth, ' ', true) + ' ' +
           state.rightJustified(2, ' ', true);
}

QString userCountLine(int users) {
    return users == 1 ? QStringLiteral("1 user online") : QStringLiteral("%1 users online").arg(users);
}

QString talkLine(QChar kind, const QString& name, const QString& text) {
    // After the client drops the first blank: kind, blank, a 21-character name
    // field, and the words from the 24th character on.
    return QStringLiteral(" ") + kind + ' ' + name.leftJustified(kTalkNameWidth, ' ', true) + text;
}

QString treasureLine(const QString& treasure) { return QStringLiteral(" ") + QString(kTreasureIndent, ' ') + treasure; }

QString noticeLine(const QString& text) {
    // A kept leading blank makes it a plain notice whatever its first word is.
    return QStringLiteral("  ") + text;
}

QString ownSpeechLine(const QString& text) { return QStringLiteral(" '") + text; }

}  // namespace quorlak::server
