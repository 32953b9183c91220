#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>

// Test support: reads the server's stream the way the client does. It splits
// records, follows the drawing position, and applies the client's rules for
// reading screen text by position (title, gauge, food, experience, the list,
// the messages, the encounter slots and log, the user count), so tests can
// say what a player would see in the client's panels.

struct Record {
    QByteArray code;
    QByteArray argument;
};

struct TextLine {
    int x = 0;
    int y = 0;
    QString text;
};

// The client's lenient number reading: blanks anywhere are skipped, an
// optional sign and digits with one decimal point are read, the first other
// character ends it, and no number gives 0.
double clientNumber(const QString& text);

// Text from its n-th character on (counting from 1), empty when shorter.
QString fromCharacter(const QString& text, int n);

// The four numbers of a point or rectangle argument.
std::array<int, 4> coordinates(const QByteArray& argument);

class ClientView {
public:
    void feed(const QByteArray& stream);

    // Everything seen so far.
    QList<Record> records;
    QList<TextLine> texts;
    bool endsWithSeparator = true;

    // What the client's panels would show.
    bool cdSeen = false;
    bool textBeforeFirstCd = false;
    QString title;
    int gaugeNow = 0;
    int gaugeMax = 0;
    int food = 0;
    qint64 experience = 0;
    QStringList redStatusLines;
    QStringList playerNotes;

    std::array<QString, 99> listRows;
    std::array<QString, 99> listMarks;
    int itemNum = 0;
    bool listVisible = false;

    struct MessageRow {
        QString line, kind, name, text;
    };
    QList<MessageRow> messages;

    std::array<QString, 5> slotText;
    std::array<QPoint, 5> slotAt;
    QList<int> highlightedSlots;
    bool logging = false;
    QStringList log;
    int logStarts = 0;
    int logEnds = 0;
    int lastUsers = 0;
    int beeps = 0;

    QPoint input;  // where the input field's text starts
    int inputLength = 0;

    QStringList textsAt(int y) const;

private:
    void run(const Record& record);
    void readText(const QString& text);
    void readMessage(QString text);
    void readList(const QString& text);
    void readEncounter(QString text);

    QPoint at_;
};
