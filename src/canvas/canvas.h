#pragma once
// The persistent 512 x 512 picture that the server draws on, with its current
// point and colours. Everything drawn stays until cleared or drawn over.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <array>
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
    void setFont(const QFont& font);
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

private:
    // The lit pixels of one character, relative to its cell's top-left corner.
    struct Glyph {
        bool ready = false;
        std::vector<QPoint> lit;
    };

    void damage(const QRect& r);
    void plot(int64_t x, int64_t y, QRgb color);
    void hspan(int64_t x0, int64_t x1, int64_t y, QRgb color);
    void vspan(int64_t x, int64_t y0, int64_t y1, QRgb color);
    const Glyph& glyph(unsigned char byte);

    QImage image_;
    QFont font_;
    QRect damage_;
    std::array<Glyph, 256> glyphs_{};
    int glyphHeight_ = 0;  // 0 until measured with the current font
};

}  // namespace quorlak
