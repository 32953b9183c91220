#pragma once
// A few rows of text that fill top to bottom and start over when full, so
// every line is sent exactly once (the client acts on each line it reads).
// Lines are sent whole; `width` is what a new round clears.

#include <QList>
#include <QString>

#include "record_writer.h"

namespace quorlak::server {

class LinePager {
public:
    LinePager(int x, QList<int> rowsY, int width);
    void add(RecordWriter& out, const QString& line);
    void reset() { next_ = 0; }

private:
    int x_;
    QList<int> rowsY_;
    int width_;
    int next_ = 0;
};

}  // namespace quorlak::server
