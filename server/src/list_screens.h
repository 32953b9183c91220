#pragma once
// What the list column shows on request: numbered pages the client copies
// into its list, or plain text it leaves on the screen.

#include <QList>
#include <QString>
#include <QStringList>

#include "record_writer.h"

namespace quorlak::server {

class Character;

struct ListEntry {
    QString text;
    bool banked = false;  // marked with a "B"
    bool worn = false;    // marked with a small box
};

struct ListScreen {
    QString heading;
    int firstNumber = 1;
    QList<ListEntry> entries;  // at most one page; shorter pages are padded
};

struct PlayerSummary {
    QString name;
    QString areaName;
    int level = 1;
    bool isYou = false;
};

namespace list_screens {

// The heading goes first: an unnumbered line after the numbered ones would
// hide the client's list again. Every page has all fourteen numbers so that
// rows left over from a longer list are overwritten.
void draw(RecordWriter& out, const ListScreen& screen);
void drawText(RecordWriter& out, const QStringList& lines);
void clearColumn(RecordWriter& out);

ListScreen inventoryPage(const Character& character, int page);
ListScreen status(const Character& character);
ListScreen spells(const Character& character);
ListScreen players(const QString& heading, const QList<PlayerSummary>& players);
QStringList help();

}  // namespace list_screens

}  // namespace quorlak::server
