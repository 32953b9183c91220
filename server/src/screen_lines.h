#pragma once
// Text lines in the forms the client takes apart: it reads some of them
// character by character, so their widths are part of the protocol.

#include <QChar>
#include <QString>

namespace quorlak::server {

// 1234567 as "1,234,567".
QString withThousands(qint64 value);

// A label and its value, filling a status line.
QString statusLine(const QString& label, const QString& value);
QString gaugeLine(int now, int maximum);
QString foodLine(int food);
QString experienceLine(qint64 experience);

QString listLine(int number, const QString& text);
QString slotLine(int slot, const QString& name, const QString& state);
QString userCountLine(int users);

// Lines of the message band.
QString talkLine(QChar kind, const QString& name, const QString& text);
QString treasureLine(const QString& treasure);
QString noticeLine(const QString& text);
QString ownSpeechLine(const QString& text);

}  // namespace quorlak::server
