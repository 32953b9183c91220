// PLACEHOLDER: replaced by the display implementation.
#include "display/canvas.h"
namespace quorlak {
Canvas::Canvas() : image_(kSize, kSize, QImage::Format_RGB32) { image_.fill(backColor); }
void Canvas::setFont(const QFont& font) { font_ = font; }
void Canvas::clear() { image_.fill(backColor); currentX = currentY = 0; damage(image_.rect()); }
void Canvas::point(int, int, QRgb) {}
void Canvas::line(int, int, int, int, QRgb) {}
void Canvas::box(int, int, int, int, QRgb) {}
void Canvas::fillBox(int, int, int, int, QRgb) {}
void Canvas::circle(int, int, int, QRgb) {}
void Canvas::printText(std::string_view) {}
void Canvas::drawPicture(const QImage&, int, int, int, int) {}
void Canvas::drawPicture(const QImage&, int, int) {}
void Canvas::setPixel(int, int, QRgb) {}
QRect Canvas::takeDamage() { QRect r = damage_; damage_ = QRect(); return r; }
void Canvas::damage(const QRect& r) { damage_ = damage_.united(r); }
}  // namespace quorlak
