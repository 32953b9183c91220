#pragma once
// Painters for the fixed regions of the screen. Each clears what it replaces.

#include <QString>
#include <QStringList>

#include "record_writer.h"

namespace quorlak::server {

class Character;

namespace panels {

// Clears the cells of a text line of `characters` at (x, y) as sent.
void clearLine(RecordWriter& out, int x, int y, int characters);

struct TopBand {
    QString title;     // top left; the client's window title
    QStringList left;  // coral lines under the title
    QStringList grey;
    QStringList yellow;
};
void drawTopBand(RecordWriter& out, const TopBand& band);

void drawQuestion(RecordWriter& out, const QString& question);

// Shows the question and places an empty input field with its arrow under it.
// The client draws the arrow in the colour of the line before, so the
// question goes first whenever a field is placed.
void placeInput(RecordWriter& out, const QString& question, int length);
// Shows the whole typed text again at the field, after a character was added.
void echoInput(RecordWriter& out, const QString& typed);
// Erases the field from the character at `position` (1-based) on, all of
// each character's cell.
void eraseInput(RecordWriter& out, int position);

void drawStatusColumn(RecordWriter& out, const Character& character, const QStringList& conditions);

void drawPlayerNote(RecordWriter& out, const QString& note);
void clearPlayerNote(RecordWriter& out);

void drawUserCount(RecordWriter& out, int users);

void showChest(RecordWriter& out);
void hideChest(RecordWriter& out);

}  // namespace panels

}  // namespace quorlak::server
