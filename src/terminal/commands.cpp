#include "terminal/commands.h"

#include <algorithm>
#include <cmath>

#include "panels/encounter_log.h"
#include "terminal/coords.h"
#include "terminal/val_rule.h"

namespace quorlak {
namespace {

// Slot lines sit in this band; a line drawn within it underlines a slot.
constexpr int16_t kSlotBandTop = 123;
constexpr int16_t kSlotBandBottom = 145;

// Fixed places on the game screen.
constexpr int16_t kTabStripRow = 436;
constexpr int16_t kLogEndColumn = 221;
constexpr int16_t kChestColumn = 255;
constexpr int kChestLeft = 180, kChestTop = 40, kChestRight = 221, kChestBottom = 69;
constexpr float kChestLowestY = 222;
constexpr float kCreatureNudgedX = 322;
constexpr float kCreatureX = 300;
constexpr int kCreatureSize = 44;
constexpr int kLogPictureSize = 32;

constexpr int kTextRaise = 5;  // a text line's top lies this far above the current point
constexpr int kTextCellHeight = 16;

}  // namespace

void TerminalCommands::run(const Record& record) {
    switch (record.code) {
        case RecordCode::cs: clearScreen(); break;
        case RecordCode::lc: locate(record.arg); break;
        case RecordCode::ps: point(record.arg); break;
        case RecordCode::ln:
        case RecordCode::bx:
        case RecordCode::fx:
        case RecordCode::cr: rectangle(record.code, record.arg); break;
        case RecordCode::ce: circle(record.arg); break;
        case RecordCode::pt: text(record.arg, false); break;
        case RecordCode::po: text(record.arg, true); break;
        case RecordCode::bs: eraseField(record.arg); break;
        case RecordCode::cu: inputField(record.arg); break;
        case RecordCode::cd: defineCharacter(record.arg); break;
        case RecordCode::cw: drawCharacter(record.arg); break;
        case RecordCode::pz:  // the core's: it holds the stream
        case RecordCode::pv:
        case RecordCode::cl:
        case RecordCode::unknown: break;
    }
}

// --- drawing --------------------------------------------------------------------

void TerminalCommands::clearScreen() {
    d_.canvas.clear();
    d_.marker.arrow(false);  // the marker went with the picture
}

void TerminalCommands::locate(std::string_view arg) {
    if (!getcoords(arg, pts_)) return;
    d_.canvas.currentX = pts_.x[0];
    d_.canvas.currentY = pts_.y[0];
}

void TerminalCommands::point(std::string_view arg) {
    if (!getcoords(arg, pts_)) return;
    d_.canvas.point(pts_.x[0], pts_.y[0], d_.canvas.foreColor);
}

void TerminalCommands::rectangle(RecordCode code, std::string_view arg) {
    if (!getcoords(arg, pts_)) return;
    Canvas& c = d_.canvas;
    switch (code) {
        case RecordCode::ln:
            highlightSlot();
            c.line(pts_.x[0], pts_.y[0], pts_.x[1], pts_.y[1], c.foreColor);
            break;
        case RecordCode::bx: c.box(pts_.x[0], pts_.y[0], pts_.x[1], pts_.y[1], c.foreColor); break;
        case RecordCode::fx: {
            const int extent = (pts_.x[1] - pts_.x[0]) + (pts_.y[1] - pts_.y[0]);
            if (extent < 21 && pts_.y[0] > 200) markItemRow();  // a small box low down marks an item row
            else c.fillBox(pts_.x[0], pts_.y[0], pts_.x[1], pts_.y[1], c.foreColor);
            break;
        }
        case RecordCode::cr: clearRect(); break;
        default: break;
    }
}

// A line under an encounter slot reprints the slot's text in red; the red stays.
void TerminalCommands::highlightSlot() {
    if (!d_.state.cdseen || !inrange(pts_.y[0], kSlotBandTop, kSlotBandBottom) ||
        !inrange(pts_.y[1], kSlotBandTop, kSlotBandBottom))
        return;
    Canvas& c = d_.canvas;
    c.foreColor = kRed;
    const int k = (pts_.x[0] <= 99 ? 1 : 3) + (pts_.y[0] > 135 ? 1 : 0);
    c.currentX = d_.state.slotx[k];
    c.currentY = float(d_.state.sloty[k] - kTextRaise);
    c.printText(d_.state.slottext[k]);
}

void TerminalCommands::markItemRow() {
    const int16_t itemnum = d_.state.itemnum;
    // The grid has a fixed number of rows: a number past them marks nothing.
    if (itemnum <= 0 || itemnum > ItemGridModel::kRows) return;
    ItemGridModel& items = d_.items;
    items.row = itemnum - 1;
    items.col = 1;
    items.rows[itemnum - 1].bold = true;
    items.rows[itemnum - 1].mark = kBullet;
    items.touch();
}

void TerminalCommands::clearRect() {
    if (pts_.y[0] == kTabStripRow) {
        d_.tabs.visible = true;
        d_.tabs.touch();
    } else if (pts_.x[0] == kLogEndColumn) {
        d_.state.expstart = 0;
        d_.state.logging = false;
    } else if (pts_.x[0] == kChestColumn) {
        pts_.x[0] = kChestLeft;
        pts_.y[0] = kChestTop;
        pts_.x[1] = kChestRight;
        pts_.y[1] = kChestBottom;
    }
    const ClientState& s = d_.state;
    if (pts_.x[0] < s.boxleft && s.boxleft < pts_.x[1] && pts_.y[0] < s.boxtop && s.boxtop < pts_.y[1])
        d_.marker.arrow(false);
    d_.canvas.fillBox(pts_.x[0], pts_.y[0], pts_.x[1], pts_.y[1], d_.canvas.backColor);
}

void TerminalCommands::circle(std::string_view arg) {
    if (!getcoords(arg, pts_)) return;
    d_.canvas.circle(pts_.x[0], pts_.y[0], pts_.x[1], d_.canvas.foreColor);
}

// --- text and input field -----------------------------------------------------------

void TerminalCommands::text(std::string_view arg, bool clearBehind) {
    if (arg.size() < 2) return;  // not even the two delimiters
    std::string line(arg.substr(1, arg.size() - 2));
    Canvas& c = d_.canvas;

    if (clearBehind) {
        const int sx = toCanvas(c.currentX);
        const int sy = toCanvas(c.currentY);
        const int ex = toCanvas(double(c.currentX) - 1 + double(Canvas::kCellWidth) * double(line.size()));
        const int ey = toCanvas(double(c.currentY) + kTextCellHeight - 3);
        c.fillBox(sx, sy, ex, ey, c.backColor);
        c.currentX = float(sx);
        c.currentY = float(sy);
        const ClientState& s = d_.state;
        if (sx < s.boxleft && s.boxleft < ex && sy <= s.boxtop && s.boxtop < ey) d_.marker.arrow(false);
    }

    if (!d_.filter.pretext(line)) return;
    c.currentY -= kTextRaise;
    c.printText(line);
    c.currentY += kTextRaise;
}

void TerminalCommands::eraseField(std::string_view arg) {
    const double n = valNumber(arg);  // a fraction stays
    const ClientState& s = d_.state;
    Canvas& c = d_.canvas;
    const int right = s.boxlen * 8 + s.boxleft + 10;
    c.fillBox(toCanvas((n - 1) * 8 + s.boxleft), s.boxtop, right, s.boxtop + 14, c.backColor);
    c.point(toCanvas(c.currentX), toCanvas(double(c.currentY) - 12), c.backColor);
}

void TerminalCommands::inputField(std::string_view arg) {
    Canvas& c = d_.canvas;
    if (arg.substr(0, 3) == "XXX") {
        c.currentX = d_.state.boxleft;
        c.currentY = d_.state.boxtop;
        return;
    }
    if (!getcoords(arg, pts_)) return;
    c.currentX = pts_.x[0];
    c.currentY = float(pts_.y[0] + 10);
    d_.state.boxlen = pts_.x[1];
    d_.marker.arrow(true);
}

// --- custom characters and pictures -------------------------------------------------

void TerminalCommands::defineCharacter(std::string_view arg) {
    const auto n = toUInt8(valNumber(arg.substr(0, 2)));
    if (!n || *n >= kGlyphCount) return;  // no such character: the record is ignored
    d_.state.cdseen = true;
    constexpr size_t kPatternStart = 3;
    for (int r = 1; r <= kGlyphRows; ++r) {
        for (int c = 1; c <= kGlyphColumns; ++c) {
            const size_t pos = kPatternStart + size_t(r - 1) * kGlyphColumns + size_t(c - 1);
            const char ch = pos < arg.size() ? arg[pos] : '0';
            d_.globals.glyphs[*n][c][r] = (ch >= '0' && ch <= '9') ? int16_t(ch - '0') : 0;
        }
    }
}

void TerminalCommands::drawCharacter(std::string_view arg) {
    Canvas& canvas = d_.canvas;
    const int x0 = toCanvas(canvas.currentX);
    const int y0 = toCanvas(canvas.currentY);
    const auto n = toInt16(valNumber(arg));
    if (!n || *n == 0) return;
    if (drawPicture(*n)) return;
    if (*n < 0 || *n >= kGlyphCount) return;  // no such character

    // Pixels are written directly; the current point ends on the last one lit.
    const QRgb color = canvas.foreColor;
    bool lit = false;
    int lastX = 0, lastY = 0;
    for (int c = 1; c <= kGlyphColumns; ++c) {
        for (int r = 1; r <= kGlyphRows; ++r) {
            if (d_.globals.glyphs[*n][c][r] <= 0) continue;
            canvas.setPixel(x0 + c, y0 + r, color);
            lit = true;
            lastX = x0 + c;
            lastY = y0 + r;
        }
    }
    if (lit) {
        canvas.currentX = float(lastX);
        canvas.currentY = float(lastY);
    }
}

// Returns true when the number was taken as a picture; false falls back to
// the custom character of that number.
bool TerminalCommands::drawPicture(int16_t n) {
    Canvas& c = d_.canvas;
    const Pictures& pics = d_.pictures;
    if (n >= 1 && n <= 15) {
        if (!pics.has(n)) return false;
        if (c.currentX == kCreatureNudgedX) c.currentX = kCreatureX;
        c.drawPicture(pics.img[n], toCanvas(c.currentX), toCanvas(c.currentY), kCreatureSize, kCreatureSize);
        return true;
    }
    if (n == 20) {
        if (c.currentY >= kChestLowestY) return true;  // nothing at all down there
        if (!pics.has(n)) return false;
        c.drawPicture(pics.img[n], kChestLeft, kChestTop);
        return true;
    }
    if (n == 21) {
        if (!pics.has(n)) return false;
        c.drawPicture(pics.img[n], toCanvas(c.currentX), toCanvas(c.currentY));
        return true;
    }
    if (n == 22 || n == 23) {
        // An encounter starts: the log begins afresh unless one is running.
        ClientState& s = d_.state;
        if (!s.logging) logClear(d_.log);
        s.logging = true;
        if (s.expstart == 0) s.expstart = s.expnow;
        if (!pics.has(n)) return false;
        c.drawPicture(pics.img[n], toCanvas(c.currentX), toCanvas(c.currentY), kLogPictureSize, kLogPictureSize);
        return true;
    }
    return false;
}

}  // namespace quorlak
