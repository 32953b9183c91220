#pragma once
// The persistent 512 x 512 picture that the server draws on, with its current
// point and colours. Everything drawn stays until cleared or drawn over.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "canvas/drawing_target.h"
#include "wire/screen_layout.h"

namespace quorlak {

class Canvas final : public DrawingTarget {
public:
    static constexpr int kSize = screen::kDisplaySize;
    static constexpr int kCellWidth = screen::kCellWidth;

    Canvas();

    const QImage& image() const { return image_; }
    // The same font again keeps the glyphs already drawn.
    void setFont(const QFont& font);
    // Back to a new canvas's picture, point and colours, keeping the font,
    // the glyphs and the picture's buffer (a driver that runs many sessions).
    void reset();
    const QFont& font() const { return font_; }

    // Primitives: pen width 1, no anti-aliasing. Each moves the current point
    // as documented in canvas.cpp.
    void clear() override;
    void point(int x, int y, QRgb color) override;
    void line(int x0, int y0, int x1, int y1, QRgb color) override;
    void box(int x0, int y0, int x1, int y1, QRgb color) override;
    void fillBox(int x0, int y0, int x1, int y1, QRgb color) override;
    void circle(int cx, int cy, int r, QRgb color) override;
    // Prints Windows-1252 text in the font and fore colour, transparent
    // background, glyph cell top at the current y; 8 units per character.
    // The current point ends just after the text.
    void printText(std::string_view cp1252) override;
    // Pictures: scaled into a w x h box, or at natural size. The current point stays.
    void drawPicture(const QImage& picture, int x, int y, int w, int h) override;
    void drawPicture(const QImage& picture, int x, int y) override;
    // Direct pixel write for custom characters (no current point change).
    void setPixel(int x, int y, QRgb color) override;

    // Area changed since the last call; the window repaints only that.
    QRect takeDamage();
    // Area drawn on since the canvas was made or reset.
    QRect drawnArea() const { return drawn_.rect(); }

private:
    // The lit pixels of one character as row masks: bit i of a row stands for
    // the column i - kGlyphPad from the cell's left edge, row r for the line
    // top + r from the cell's top (both may reach outside the cell).
    static constexpr int kGlyphPad = kCellWidth;
    struct Glyph {
        bool ready = false;
        int top = 0;
        std::vector<uint32_t> rows;
    };

    // The picture's pixels, row after row. Taken once per primitive: it makes
    // the picture the canvas's own again if a copy of it was handed out.
    QRgb* pixels();
    void damage(const QRect& r);
    static void plot(QRgb* pixels, int64_t x, int64_t y, QRgb color);
    static void hspan(QRgb* pixels, int64_t x0, int64_t x1, int64_t y, QRgb color);
    static void vspan(QRgb* pixels, int64_t x, int64_t y0, int64_t y1, QRgb color);
    // Every pixel of `area`, which lies on the image.
    static void fillArea(QRgb* pixels, const QRect& area, QRgb color);
    void drawGlyph(QRgb* pixels, const Glyph& glyph, int64_t x, int64_t y, QRgb color);
    const Glyph& glyph(unsigned char byte);

    QImage image_;
    QFont font_;
    // A bounding box of pixels, grown by each primitive; kept as plain
    // numbers since every primitive adds to two of them.
    struct Bounds {
        int left = kSize, top = kSize, right = -1, bottom = -1;
        void add(const QRect& r) {
            left = std::min(left, r.left());
            top = std::min(top, r.top());
            right = std::max(right, r.right());
            bottom = std::max(bottom, r.bottom());
        }
        QRect rect() const { return left > right ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom)); }
    };
    Bounds damage_;
    Bounds drawn_;
    std::vector<Glyph> glyphs_ = std::vector<Glyph>(256);  // by byte; moves with the canvas cheaply
    int glyphHeight_ = 0;                                  // 0 until measured with the current font
};

}  // namespace quorlak
