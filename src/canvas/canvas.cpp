// Pixel rules of the display (pen width 1, no anti-aliasing, nothing blended):
//
// - point: the one pixel (x, y).
// - line: both end points are drawn. Steps run along the longer axis; the
//   other coordinate is the exact position rounded half up in the direction
//   of travel, so a line and its reverse may differ by a pixel where a step
//   falls exactly half-way.
// - box outline: the four sides, both corners included, so (x0, y0)-(x1, y1)
//   covers the columns x0 and x1 and the rows y0 and y1 from corner to corner.
// - filled box: every pixel from corner to corner, both included.
// - Reversed corners are normalised: (10, 10)-(5, 5) covers what (5, 5)-(10, 10) does.
// - circle: the midpoint circle of radius r, eight-fold symmetric; r = 0 is
//   the centre pixel alone, a negative r draws nothing.
// - text: one 8-unit cell per character, the glyph cell's top at the current
//   y; only the glyph's own pixels are set (transparent background). Control
//   characters and blanks set nothing. The current point moves on to just
//   after the text on the same line (8 units a character), so a line printed
//   in pieces lands side by side.
// - pictures: nearest-neighbour scaling; transparent parts leave the display
//   as it was. The current point stays.
//
// Everything is clipped to the image before any work is done per pixel, so
// coordinates far outside it cost nothing. Coordinates beyond +/- 2^24 are
// clamped there; no record can produce them.
//
// After a primitive the current point is where the server's canvas leaves it:
// the point itself, the line's or box's second corner, the circle's centre.

#include "canvas/canvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "base/cp1252.h"
#include "base/val_rule.h"

namespace quorlak {
namespace {

constexpr int64_t kLimit = int64_t{1} << 24;
constexpr int64_t kLast = Canvas::kSize - 1;

int64_t clampCoord(int64_t v) { return std::clamp(v, -kLimit, kLimit); }

int64_t nearest(float v) {
    if (std::isnan(v)) return 0;
    return static_cast<int64_t>(std::nearbyint(std::clamp(static_cast<double>(v), double(-kLimit), double(kLimit))));
}

QRgb opaque(QRgb c) { return c | 0xff000000u; }

// The part of the inclusive rectangle that lies on the image; empty if none.
QRect visiblePart(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    left = std::max<int64_t>(left, 0);
    top = std::max<int64_t>(top, 0);
    right = std::min(right, kLast);
    bottom = std::min(bottom, kLast);
    if (left > right || top > bottom) return {};
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

// Text needs the platform's fonts, which exist only with a GUI application.
bool fontsAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

}  // namespace

int toCanvas(double v) {
    constexpr double kLimit = 1 << 24;
    if (std::isnan(v)) return 0;
    return static_cast<int>(roundHalfEven(std::clamp(v, -kLimit, kLimit)));
}

Canvas::Canvas() : image_(kSize, kSize, QImage::Format_RGB32) {
    // Rows lie back to back: pixel (x, y) is pixels()[y * kSize + x].
    Q_ASSERT(image_.bytesPerLine() == kSize * int(sizeof(QRgb)));
    image_.fill(backColor);
}

void Canvas::setFont(const QFont& font) {
    if (font == font_) return;
    font_ = font;
    glyphs_.assign(glyphs_.size(), Glyph{});
    glyphHeight_ = 0;
}

void Canvas::reset() {
    currentX = currentY = 0;
    foreColor = kOrange;
    backColor = kBlack;
    // Only what was drawn on needs clearing.
    const QRect drawn = drawn_.rect();
    if (drawn == image_.rect()) {
        image_.fill(backColor);
    } else if (!drawn.isEmpty()) {
        fillArea(pixels(), drawn, backColor);
    }
    damage_ = {};
    drawn_ = {};
}

// --- pixel writes -------------------------------------------------------------

QRgb* Canvas::pixels() { return reinterpret_cast<QRgb*>(image_.bits()); }

void Canvas::plot(QRgb* pixels, int64_t x, int64_t y, QRgb color) {
    if (x < 0 || y < 0 || x > kLast || y > kLast) return;
    pixels[y * kSize + x] = opaque(color);
}

void Canvas::hspan(QRgb* pixels, int64_t x0, int64_t x1, int64_t y, QRgb color) {
    if (y < 0 || y > kLast) return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min(x1, kLast);
    if (x0 > x1) return;
    QRgb* row = pixels + y * kSize;
    std::fill(row + x0, row + x1 + 1, opaque(color));
}

void Canvas::vspan(QRgb* pixels, int64_t x, int64_t y0, int64_t y1, QRgb color) {
    if (x < 0 || x > kLast) return;
    y0 = std::max<int64_t>(y0, 0);
    y1 = std::min(y1, kLast);
    for (int64_t y = y0; y <= y1; ++y) pixels[y * kSize + x] = opaque(color);
}

void Canvas::fillArea(QRgb* pixels, const QRect& area, QRgb color) {
    QRgb* const first = pixels + area.top() * kSize + area.left();
    const size_t width = size_t(area.width());
    std::fill_n(first, width, opaque(color));
    // The other rows are copies of the first: a copy runs at the speed of memory.
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        std::memcpy(pixels + y * kSize + area.left(), first, width * sizeof(QRgb));
}

void Canvas::setPixel(int x, int y, QRgb color) {
    plot(pixels(), x, y, color);
    damage(visiblePart(x, y, x, y));
}

// --- primitives ---------------------------------------------------------------

void Canvas::clear() {
    image_.fill(opaque(backColor));
    currentX = currentY = 0;
    damage(image_.rect());
}

void Canvas::point(int x, int y, QRgb color) {
    setPixel(x, y, color);
    currentX = float(x);
    currentY = float(y);
}

void Canvas::line(int x0i, int y0i, int x1i, int y1i, QRgb color) {
    const int64_t x0 = clampCoord(x0i), y0 = clampCoord(y0i), x1 = clampCoord(x1i), y1 = clampCoord(y1i);
    const int64_t dx = x1 - x0, dy = y1 - y0;
    const int64_t n = std::max(std::abs(dx), std::abs(dy));
    QRgb* const px = pixels();
    if (n == 0) {
        plot(px, x0, y0, color);
    } else {
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        const int64_t m0 = xMajor ? x0 : y0;
        const int64_t q0 = xMajor ? y0 : x0;
        const int64_t sm = (xMajor ? dx : dy) > 0 ? 1 : -1;
        const int64_t sq = (xMajor ? dy : dx) >= 0 ? 1 : -1;
        const int64_t minor = std::abs(xMajor ? dy : dx);
        // Only the steps whose major coordinate lies on the image are walked.
        int64_t lo = sm > 0 ? -m0 : m0 - kLast;
        int64_t hi = sm > 0 ? kLast - m0 : m0;
        lo = std::max<int64_t>(lo, 0);
        hi = std::min(hi, n);
        for (int64_t i = lo; i <= hi; ++i) {
            const int64_t m = m0 + sm * i;
            const int64_t q = q0 + sq * ((2 * i * minor + n) / (2 * n));
            if (xMajor) plot(px, m, q, color);
            else plot(px, q, m, color);
        }
    }
    damage(visiblePart(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)));
    currentX = float(x1i);
    currentY = float(y1i);
}

void Canvas::box(int x0i, int y0i, int x1i, int y1i, QRgb color) {
    const int64_t left = clampCoord(std::min(x0i, x1i)), right = clampCoord(std::max(x0i, x1i));
    const int64_t top = clampCoord(std::min(y0i, y1i)), bottom = clampCoord(std::max(y0i, y1i));
    QRgb* const px = pixels();
    hspan(px, left, right, top, color);
    hspan(px, left, right, bottom, color);
    vspan(px, left, top, bottom, color);
    vspan(px, right, top, bottom, color);
    damage(visiblePart(left, top, right, bottom));
    currentX = float(x1i);
    currentY = float(y1i);
}

void Canvas::fillBox(int x0i, int y0i, int x1i, int y1i, QRgb color) {
    const QRect area = visiblePart(std::min(x0i, x1i), std::min(y0i, y1i), std::max(x0i, x1i), std::max(y0i, y1i));
    if (!area.isEmpty()) fillArea(pixels(), area, color);
    damage(area);
    currentX = float(x1i);
    currentY = float(y1i);
}

void Canvas::circle(int cxi, int cyi, int ri, QRgb color) {
    currentX = float(cxi);
    currentY = float(cyi);
    if (ri < 0) return;
    const int64_t cx = clampCoord(cxi), cy = clampCoord(cyi), r = clampCoord(ri);
    const QRect area = visiblePart(cx - r, cy - r, cx + r, cy + r);
    if (area.isEmpty()) return;
    // A circle that encloses the whole image with room to spare has no pixel on it.
    const int64_t fx = std::max(std::abs(cx), std::abs(cx - kLast));
    const int64_t fy = std::max(std::abs(cy), std::abs(cy - kLast));
    if (r > 2 && fx * fx + fy * fy < (r - 2) * (r - 2)) return;

    QRgb* const px = pixels();
    int64_t x = r, y = 0, err = 1 - r;
    while (x >= y) {
        plot(px, cx + x, cy + y, color);
        plot(px, cx - x, cy + y, color);
        plot(px, cx + x, cy - y, color);
        plot(px, cx - x, cy - y, color);
        plot(px, cx + y, cy + x, color);
        plot(px, cx - y, cy + x, color);
        plot(px, cx + y, cy - x, color);
        plot(px, cx - y, cy - x, color);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
    damage(area);
}

// --- text -----------------------------------------------------------------------

const Canvas::Glyph& Canvas::glyph(unsigned char byte) {
    Glyph& g = glyphs_[byte];
    if (g.ready) return g;
    g.ready = true;
    const QChar ch(static_cast<char16_t>(cp1252ToUnicode(byte)));
    if (byte < 0x20 || byte == 0x7f || ch.isSpace()) return g;

    // Rendered once in a roomy cell; a glyph that overhangs its 8 units keeps its overhang.
    const QFontMetrics metrics(font_);
    constexpr int kCellSpan = 3 * kCellWidth;
    static_assert(kCellSpan <= 32, "a row of the cell fits one mask");
    QImage cell(kCellSpan, metrics.height() + 2 * kGlyphPad, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    {
        QPainter p(&cell);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font_);
        p.setPen(Qt::white);
        p.drawText(QPoint(kGlyphPad, kGlyphPad + metrics.ascent()), QString(ch));
    }
    for (int y = 0; y < cell.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
        uint32_t mask = 0;
        for (int x = 0; x < cell.width(); ++x)
            if (qAlpha(row[x]) >= 128) mask |= uint32_t{1} << x;
        if (mask == 0 && g.rows.empty()) continue;  // blank rows above the glyph
        if (g.rows.empty()) g.top = y - kGlyphPad;
        g.rows.push_back(mask);
    }
    while (!g.rows.empty() && g.rows.back() == 0) g.rows.pop_back();
    return g;
}

// Sets the glyph's pixels whose cell's left edge is at x and top at y, in
// runs of lit columns.
void Canvas::drawGlyph(QRgb* pixels, const Glyph& glyph, int64_t x, int64_t y, QRgb color) {
    const int64_t left = x - kGlyphPad;
    // The columns on the image, as a mask over the glyph's columns.
    uint32_t visible = ~uint32_t{0};
    if (left < 0) visible = left <= -32 ? 0 : visible << -left;
    if (left + 31 > kLast) visible &= kLast - left < 0 ? 0 : ~uint32_t{0} >> (31 - (kLast - left));
    const QRgb c = opaque(color);
    int64_t row = y + glyph.top;
    for (const uint32_t bits : glyph.rows) {
        uint32_t lit = bits & visible;
        if (row >= 0 && row <= kLast) {
            const int64_t lineStart = row * kSize + left;  // may lie left of the row; lit bits never do
            while (lit) {
                const int start = std::countr_zero(lit);
                const int length = std::countr_one(lit >> start);
                QRgb* const run = pixels + (lineStart + start);
                std::fill(run, run + length, c);
                lit &= lit + (lit & -lit);  // the lowest run of lit columns is done
            }
        }
        ++row;
    }
}

void Canvas::printText(std::string_view text) {
    if (text.empty()) return;
    // The point moves on whether or not any of the text shows.
    const float startX = currentX;
    currentX = float(double(startX) + double(kCellWidth) * double(text.size()));
    if (!fontsAvailable()) return;
    if (glyphHeight_ == 0) glyphHeight_ = QFontMetrics(font_).height();
    const int64_t x = nearest(startX);
    const int64_t y = nearest(currentY);
    constexpr int64_t kPad = kGlyphPad;
    if (y - kPad > kLast || y + glyphHeight_ + kPad < 0) return;

    // Only the characters whose cells (with a cell of overhang) touch the image
    // are looked at, so a very long line costs what shows of it.
    const int64_t count = static_cast<int64_t>(text.size());
    const int64_t first = std::max<int64_t>(0, -x / kCellWidth - 1);
    const int64_t last = std::min<int64_t>(count - 1, (kLast - x) / kCellWidth + 1);
    if (first > last) return;
    QRgb* const px = pixels();
    for (int64_t i = first; i <= last; ++i)
        drawGlyph(px, glyph(static_cast<unsigned char>(text[size_t(i)])), x + i * kCellWidth, y, foreColor);
    damage(visiblePart(x + first * kCellWidth - kPad, y - kPad, x + (last + 1) * kCellWidth + kPad,
                       y + glyphHeight_ + kPad));
}

// --- pictures -------------------------------------------------------------------

void Canvas::drawPicture(const QImage& picture, int x, int y, int w, int h) {
    if (picture.isNull() || w <= 0 || h <= 0) return;
    w = int(std::min<int64_t>(w, kLimit));
    h = int(std::min<int64_t>(h, kLimit));
    const int64_t left = clampCoord(x), top = clampCoord(y);
    const QRect area = visiblePart(left, top, left + w - 1, top + h - 1);
    if (area.isEmpty()) return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(int(left), int(top), w, h), picture);
    damage(area);
}

void Canvas::drawPicture(const QImage& picture, int x, int y) {
    drawPicture(picture, x, y, picture.width(), picture.height());
}

// --- damage ---------------------------------------------------------------------

QRect Canvas::takeDamage() {
    const QRect r = damage_.rect();
    damage_ = {};
    return r;
}

void Canvas::damage(const QRect& r) {
    if (r.isEmpty()) return;
    damage_.add(r);
    drawn_.add(r);
}

}  // namespace quorlak
