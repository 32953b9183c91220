#include "line_pager.h"

#include "screen_layout.h"

namespace quorlak::server {

LinePager::LinePager(int x, QList<int> rowsY, int width) : x_(x), rowsY_(std::move(rowsY)), width_(width) {}

void LinePager::add(RecordWriter& out, const QString& line) {
    if (next_ == 0) clear(out);
    out.textAt(x_, rowsY_[next_], line);
    shown_.append(line);
    next_ = (next_ + 1) % rowsY_.size();
}

void LinePager::clear(RecordWriter& out) {
    const int top = rowsY_[0] - layout::kTextTopAbove;
    const int bottom = rowsY_.last() + layout::kTextBottomBelow;
    out.clearRect(x_, top, x_ + width_ * layout::kCharWidth - 1, bottom);
    shown_.clear();
    next_ = 0;
}

void LinePager::redraw(RecordWriter& out) const {
    for (qsizetype i = 0; i < shown_.size(); ++i) out.textAt(x_, rowsY_[i], shown_[i]);
}

}  // namespace quorlak::server
