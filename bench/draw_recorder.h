#pragma once
// The "bare draw" baseline: the drawing calls a stream makes, taken down by
// a DrawingTarget of the benchmark's own while the real record commands and
// screen reader run, so that replaying them on a canvas measures drawing
// alone.

#include <QFont>
#include <QImage>
#include <QRgb>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"

namespace quorlak::bench {

class DrawRecorder final : public DrawingTarget {
public:
    explicit DrawRecorder(const QFont& font) { canvas_.setFont(font); }

    void clear() override;
    void point(int x, int y, QRgb color) override;
    void line(int x0, int y0, int x1, int y1, QRgb color) override;
    void box(int x0, int y0, int x1, int y1, QRgb color) override;
    void fillBox(int x0, int y0, int x1, int y1, QRgb color) override;
    void circle(int cx, int cy, int r, QRgb color) override;
    void printText(std::string_view cp1252) override;
    void drawPicture(const QImage& picture, int x, int y, int w, int h) override;
    void drawPicture(const QImage& picture, int x, int y) override;
    void setPixel(int x, int y, QRgb color) override;

    // Draws everything taken down on `canvas`, in order. The pictures drawn
    // must still exist.
    void replay(Canvas& canvas) const;
    size_t calls() const { return ops_.size(); }
    // Makes one call again; `color` stands in for the colour it draws in
    // (not for a picture's own).
    void replayCall(Canvas& canvas, size_t call, std::optional<QRgb> color = std::nullopt) const;
    // The colour the call draws in; none for a picture.
    std::optional<QRgb> callColor(size_t call) const;

private:
    enum class Kind : uint8_t { Clear, Point, Line, Box, Fill, Circle, Text, Picture, ScaledPicture, Pixel };
    struct Op {
        Kind kind;
        int a = 0, b = 0, c = 0, d = 0;
        QRgb color = 0;
        float x = 0, y = 0;  // the current point a call starts from
        QRgb fore = 0, back = 0;
        const QImage* picture = nullptr;
        uint32_t text = 0, length = 0;  // a text's bytes in the arena
    };
    // Notes a call with the state it starts from; the recorder's own canvas
    // then makes it, so the current point moves as it would.
    Op& note(Kind kind);
    void settle();

    Canvas canvas_;
    std::vector<Op> ops_;
    std::string arena_;
};

}  // namespace quorlak::bench
