#pragma once
// A few rows of text that fill top to bottom and start over when full, so
// every line is sent exactly once (the client acts on each line it reads).
// Lines are sent whole; `width` is what a new round clears. The rows shown
// are kept, so a redraw of the whole screen can show them again.

#include <QList>
#include <QString>
#include <QStringList>

#include "record_writer.h"

namespace quorlak::server {

class LinePager {
public:
    LinePager(int x, QList<int> rowsY, int width);
    void add(RecordWriter& out, const QString& line);
    // Clears the rows and starts over at the top.
    void clear(RecordWriter& out);
    // Draws the rows shown again, on a screen cleared before.
    void redraw(RecordWriter& out) const;

private:
    int x_;
    QList<int> rowsY_;
    int width_;
    int next_ = 0;
    QStringList shown_;
};

}  // namespace quorlak::server
