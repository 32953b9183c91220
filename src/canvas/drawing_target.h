#pragma once
// What the record commands draw on: a picture with a current point and two
// colours, and the primitives that draw and move the point. The canvas is the
// real one; a benchmark or a test may plug in its own.

#include <QImage>
#include <QRgb>
#include <string_view>

#include "canvas/colors.h"

namespace quorlak {

// Display units from the stream's reals: nearest, ties to even, kept within
// a range the canvas clips anyway so no conversion can overflow.
int toCanvas(double v);

class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;

    // Current point, in display units (single precision, as the server's canvas keeps it).
    float currentX = 0;
    float currentY = 0;
    QRgb foreColor = kOrange;
    QRgb backColor = kBlack;

    // Each primitive leaves the current point where the server's canvas does:
    // the point itself, the line's or box's second corner, the circle's centre,
    // just after printed text; clear() sets it to the origin.
    virtual void clear() = 0;
    virtual void point(int x, int y, QRgb color) = 0;
    virtual void line(int x0, int y0, int x1, int y1, QRgb color) = 0;
    virtual void box(int x0, int y0, int x1, int y1, QRgb color) = 0;
    virtual void fillBox(int x0, int y0, int x1, int y1, QRgb color) = 0;
    virtual void circle(int cx, int cy, int r, QRgb color) = 0;
    // Windows-1252 text in the fore colour at the current point.
    virtual void printText(std::string_view cp1252) = 0;
    // A picture scaled into a w x h box, or at natural size; the current point stays.
    virtual void drawPicture(const QImage& picture, int x, int y, int w, int h) = 0;
    virtual void drawPicture(const QImage& picture, int x, int y) = 0;
    // One pixel, without moving the current point.
    virtual void setPixel(int x, int y, QRgb color) = 0;
};

}  // namespace quorlak
