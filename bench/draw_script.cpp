#include "draw_script.h"

#include <algorithm>
#include <cmath>

#include "bench_support.h"
#include "panels/encounter_log.h"
#include "panels/panel_models.h"
#include "panels/text_interpreter.h"
#include "session/client_state.h"
#include "terminal/coords.h"
#include "terminal/framer.h"
#include "terminal/val_rule.h"

namespace quorlak::bench {

void DrawScript::run(Canvas& canvas, const Pictures& pictures) const {
    for (const DrawOp& op : ops_) {
        switch (op.kind) {
            case DrawOp::Kind::Clear: canvas.clear(); break;
            case DrawOp::Kind::Move:
                canvas.currentX = op.x;
                canvas.currentY = op.y;
                break;
            case DrawOp::Kind::Point: canvas.point(op.a, op.b, op.color); break;
            case DrawOp::Kind::Line: canvas.line(op.a, op.b, op.c, op.d, op.color); break;
            case DrawOp::Kind::Box: canvas.box(op.a, op.b, op.c, op.d, op.color); break;
            case DrawOp::Kind::Fill: canvas.fillBox(op.a, op.b, op.c, op.d, op.color); break;
            case DrawOp::Kind::Circle: canvas.circle(op.a, op.b, op.c, op.color); break;
            case DrawOp::Kind::Text:
                canvas.currentX = op.x;
                canvas.currentY = op.y;
                canvas.foreColor = op.color;
                canvas.printText(std::string_view(arena_).substr(op.text, op.length));
                break;
            case DrawOp::Kind::Picture: canvas.drawPicture(pictures.img[size_t(op.c)], op.a, op.b); break;
            case DrawOp::Kind::ScaledPicture:
                canvas.drawPicture(pictures.img[size_t(op.c)], op.a, op.b, op.d, op.d);
                break;
            case DrawOp::Kind::Pixel: canvas.setPixel(op.a, op.b, op.color); break;
        }
    }
}

namespace {

constexpr int kTextRaise = 5;
constexpr int kTextCellHeight = 16;

}  // namespace

// Follows each record as the client does, on a scratch canvas that keeps the
// current point and colours right, and notes every drawing call.
class DrawDecoder : public RecordHandler {
public:
    DrawDecoder(DrawScript& script, const Pictures& pictures, const QFont& font)
        : script_(script),
          pictures_(pictures),
          interpreter_({state_, scratch_, items_, messages_, tabs_, log_, menus_, window_, host_, [](int) {}}) {
        scratch_.setFont(font);
    }

    void beginChunk() override { pts_ = Points{}; }

    Flow handle(const Record& record) override {
        ++script_.records_;
        switch (record.code) {
            case RecordCode::cs:
                note({.kind = DrawOp::Kind::Clear});
                hideMarker();
                break;
            case RecordCode::lc:
                if (getcoords(record.arg, pts_)) move(pts_.x[0], pts_.y[0]);
                break;
            case RecordCode::ps:
                if (getcoords(record.arg, pts_)) shape(DrawOp::Kind::Point, scratch_.foreColor);
                break;
            case RecordCode::ln:
            case RecordCode::bx:
            case RecordCode::fx:
            case RecordCode::cr:
                if (getcoords(record.arg, pts_)) rectangle(record.code);
                break;
            case RecordCode::ce:
                if (getcoords(record.arg, pts_)) shape(DrawOp::Kind::Circle, scratch_.foreColor);
                break;
            case RecordCode::pt: text(record.arg, false); break;
            case RecordCode::po: text(record.arg, true); break;
            case RecordCode::bs: eraseField(record.arg); break;
            case RecordCode::cu: inputField(record.arg); break;
            case RecordCode::cd: defineCharacter(record.arg); break;
            case RecordCode::cw: drawCharacter(record.arg); break;
            default: break;
        }
        return Flow::Continue;
    }

private:
    void note(DrawOp op) {
        script_.ops_.push_back(op);
        // The scratch canvas keeps the current point as the real one would.
        switch (op.kind) {
            case DrawOp::Kind::Clear: scratch_.clear(); break;
            case DrawOp::Kind::Move:
            case DrawOp::Kind::Text:
                scratch_.currentX = op.x;
                scratch_.currentY = op.y;
                break;
            case DrawOp::Kind::Point:
                scratch_.currentX = float(op.a);
                scratch_.currentY = float(op.b);
                break;
            case DrawOp::Kind::Line:
            case DrawOp::Kind::Box:
            case DrawOp::Kind::Fill:
                scratch_.currentX = float(op.c);
                scratch_.currentY = float(op.d);
                break;
            case DrawOp::Kind::Circle:
                scratch_.currentX = float(op.a);
                scratch_.currentY = float(op.b);
                break;
            default: break;
        }
    }

    void move(float x, float y) { note({.kind = DrawOp::Kind::Move, .x = x, .y = y}); }
    void shape(DrawOp::Kind kind, QRgb color) {
        note({.kind = kind, .a = pts_.x[0], .b = pts_.y[0], .c = pts_.x[1], .d = pts_.y[1], .color = color});
    }
    void drawText(const std::string& line, float x, float y, QRgb color) {
        DrawOp op{.kind = DrawOp::Kind::Text, .x = x, .y = y, .color = color};
        op.text = uint32_t(script_.arena_.size());
        op.length = uint32_t(line.size());
        script_.arena_ += line;
        note(op);
    }

    void hideMarker() {
        state_.boxleft = 0;
        state_.boxtop = 0;
    }

    void showMarker() {
        state_.boxleft = clampToInt16(double(scratch_.currentX) + 16);
        state_.boxtop = clampToInt16(double(scratch_.currentY) - 10);
        const int x = clampToInt16(scratch_.currentX);
        const int y = clampToInt16(scratch_.currentY);
        const QRgb fore = scratch_.foreColor;
        const auto at = [&](DrawOp::Kind k, int a, int b, int c, int d, QRgb color) {
            note({.kind = k, .a = a, .b = b, .c = c, .d = d, .color = color});
        };
        at(DrawOp::Kind::Point, x, y, 0, 0, fore);
        at(DrawOp::Kind::Line, x + 1, y, x + 6, y - 5, fore);
        at(DrawOp::Kind::Line, x + 6, y - 5, x + 1, y - 10, fore);
        at(DrawOp::Kind::Point, x, y - 10, 0, 0, fore);
        at(DrawOp::Kind::Point, x, y - 1, 0, 0, fore);
        at(DrawOp::Kind::Point, x, y - 9, 0, 0, fore);
        at(DrawOp::Kind::Line, x, y - 2, x + 3, y - 5, fore);
        at(DrawOp::Kind::Line, x, y - 8, x + 3, y - 5, fore);
        at(DrawOp::Kind::Point, x + 16, y - 10, 0, 0, scratch_.backColor);
    }

    void rectangle(RecordCode code) {
        const QRgb fore = scratch_.foreColor;
        if (code == RecordCode::ln) {
            if (state_.cdseen && inrange(pts_.y[0], 123, 145) && inrange(pts_.y[1], 123, 145)) {
                scratch_.foreColor = kRed;
                const int k = (pts_.x[0] <= 99 ? 1 : 3) + (pts_.y[0] > 135 ? 1 : 0);
                drawText(state_.slottext[k], state_.slotx[k], float(state_.sloty[k] - kTextRaise), kRed);
            }
            shape(DrawOp::Kind::Line, scratch_.foreColor);
        } else if (code == RecordCode::bx) {
            shape(DrawOp::Kind::Box, fore);
        } else if (code == RecordCode::fx) {
            const int extent = (pts_.x[1] - pts_.x[0]) + (pts_.y[1] - pts_.y[0]);
            if (!(extent < 21 && pts_.y[0] > 200)) shape(DrawOp::Kind::Fill, fore);
        } else {
            if (pts_.y[0] == 436) {
                // the tab strip comes back: a panel matter
            } else if (pts_.x[0] == 221) {
                state_.expstart = 0;
                state_.logging = false;
            } else if (pts_.x[0] == 255) {
                pts_.x[0] = 180;
                pts_.y[0] = 40;
                pts_.x[1] = 221;
                pts_.y[1] = 69;
            }
            if (pts_.x[0] < state_.boxleft && state_.boxleft < pts_.x[1] && pts_.y[0] < state_.boxtop &&
                state_.boxtop < pts_.y[1])
                hideMarker();
            shape(DrawOp::Kind::Fill, scratch_.backColor);
        }
    }

    void text(std::string_view arg, bool clearBehind) {
        if (arg.size() < 2) return;
        std::string line(arg.substr(1, arg.size() - 2));
        if (clearBehind) {
            const int sx = toCanvas(scratch_.currentX);
            const int sy = toCanvas(scratch_.currentY);
            const int ex = toCanvas(double(scratch_.currentX) - 1 + 8.0 * double(line.size()));
            const int ey = toCanvas(double(scratch_.currentY) + kTextCellHeight - 3);
            note({.kind = DrawOp::Kind::Fill, .a = sx, .b = sy, .c = ex, .d = ey, .color = scratch_.backColor});
            move(float(sx), float(sy));
            if (sx < state_.boxleft && state_.boxleft < ex && sy <= state_.boxtop && state_.boxtop < ey) hideMarker();
        }
        scratch_.takeDamage();
        const bool printed = interpreter_.pretext(line);
        // Reading the gauge line draws the gauge bar: two boxes over the rows it touched.
        if (const QRect bar = scratch_.takeDamage(); !bar.isEmpty()) gauge(bar);
        if (!printed) return;
        drawText(line, scratch_.currentX, scratch_.currentY - kTextRaise, scratch_.foreColor);
        scratch_.currentY += kTextRaise;
    }

    void gauge(const QRect& bar) {
        const float ratio = float(state_.gaugenow) / float(state_.gaugemax);
        const QRgb color = ratio > 0.5f ? kGreen : kRed;
        const int length = clampToInt16(Canvas::kSize * ratio);
        const float x = scratch_.currentX, y = scratch_.currentY;
        note({.kind = DrawOp::Kind::Box,
              .a = 0,
              .b = bar.top(),
              .c = Canvas::kSize,
              .d = bar.bottom(),
              .color = scratch_.backColor});
        note({.kind = DrawOp::Kind::Box, .a = 0, .b = bar.bottom(), .c = length, .d = bar.top(), .color = color});
        move(x, y);
    }

    void eraseField(std::string_view arg) {
        const double n = valNumber(arg);
        const int right = state_.boxlen * 8 + state_.boxleft + 10;
        note({.kind = DrawOp::Kind::Fill,
              .a = toCanvas((n - 1) * 8 + state_.boxleft),
              .b = state_.boxtop,
              .c = right,
              .d = state_.boxtop + 14,
              .color = scratch_.backColor});
        note({.kind = DrawOp::Kind::Point,
              .a = toCanvas(scratch_.currentX),
              .b = toCanvas(double(scratch_.currentY) - 12),
              .color = scratch_.backColor});
    }

    void inputField(std::string_view arg) {
        if (arg.substr(0, 3) == "XXX") {
            move(state_.boxleft, state_.boxtop);
            return;
        }
        if (!getcoords(arg, pts_)) return;
        move(pts_.x[0], float(pts_.y[0] + 10));
        state_.boxlen = pts_.x[1];
        showMarker();
    }

    void defineCharacter(std::string_view arg) {
        const auto n = toUInt8(valNumber(arg.substr(0, 2)));
        if (!n || *n >= kGlyphCount) return;
        state_.cdseen = true;
        for (int r = 1; r <= kGlyphRows; ++r) {
            for (int c = 1; c <= kGlyphColumns; ++c) {
                const size_t pos = 3 + size_t(r - 1) * kGlyphColumns + size_t(c - 1);
                const char ch = pos < arg.size() ? arg[pos] : '0';
                glyphs_[*n][c][r] = (ch >= '0' && ch <= '9') ? int16_t(ch - '0') : 0;
            }
        }
    }

    void drawCharacter(std::string_view arg) {
        const int x0 = toCanvas(scratch_.currentX);
        const int y0 = toCanvas(scratch_.currentY);
        const auto n = toInt16(valNumber(arg));
        if (!n || *n == 0 || drawPicture(*n) || *n < 0 || *n >= kGlyphCount) return;
        const QRgb color = scratch_.foreColor;
        bool lit = false;
        int lastX = 0, lastY = 0;
        for (int c = 1; c <= kGlyphColumns; ++c) {
            for (int r = 1; r <= kGlyphRows; ++r) {
                if (glyphs_[*n][c][r] <= 0) continue;
                note({.kind = DrawOp::Kind::Pixel, .a = x0 + c, .b = y0 + r, .color = color});
                lit = true;
                lastX = x0 + c;
                lastY = y0 + r;
            }
        }
        if (lit) move(float(lastX), float(lastY));
    }

    bool drawPicture(int16_t n) {
        const auto natural = [&](int x, int y) { note({.kind = DrawOp::Kind::Picture, .a = x, .b = y, .c = n}); };
        const auto scaled = [&](int size) {
            note({.kind = DrawOp::Kind::ScaledPicture,
                  .a = toCanvas(scratch_.currentX),
                  .b = toCanvas(scratch_.currentY),
                  .c = n,
                  .d = size});
        };
        if (n >= 1 && n <= 15) {
            if (!pictures_.has(n)) return false;
            if (scratch_.currentX == 322) move(300, scratch_.currentY);
            scaled(44);
            return true;
        }
        if (n == 20) {
            if (scratch_.currentY >= 222) return true;
            if (!pictures_.has(n)) return false;
            natural(180, 40);
            return true;
        }
        if (n == 21) {
            if (!pictures_.has(n)) return false;
            natural(toCanvas(scratch_.currentX), toCanvas(scratch_.currentY));
            return true;
        }
        if (n == 22 || n == 23) {
            if (!state_.logging) logClear(log_);
            state_.logging = true;
            if (state_.expstart == 0) state_.expstart = state_.expnow;
            if (!pictures_.has(n)) return false;
            scaled(32);
            return true;
        }
        return false;
    }

    DrawScript& script_;
    const Pictures& pictures_;
    Canvas scratch_;
    ClientState state_;
    ItemGridModel items_;
    MessageGridModel messages_;
    TabStripModel tabs_;
    LogModel log_;
    MenuModel menus_;
    WindowModel window_;
    NullHost host_;
    TextInterpreter interpreter_;
    Points pts_;
    int16_t glyphs_[kGlyphCount][kGlyphColumns + 1][kGlyphRows + 1] = {};
};

DrawScript decodeDrawScript(std::string_view stream, size_t chunk, const Pictures& pictures, const QFont& font) {
    DrawScript script;
    DrawDecoder decoder(script, pictures, font);
    std::string tail;
    StreamFramer framer(tail);
    if (chunk == 0) chunk = std::max<size_t>(stream.size(), 1);
    for (size_t pos = 0; pos < stream.size(); pos += chunk) framer.feed(stream.substr(pos, chunk), decoder);
    return script;
}

}  // namespace quorlak::bench
