#include "draw_recorder.h"

namespace quorlak::bench {

DrawRecorder::Op& DrawRecorder::note(Kind kind) {
    Op& op = ops_.emplace_back(Op{kind});
    op.x = currentX;
    op.y = currentY;
    op.fore = foreColor;
    op.back = backColor;
    canvas_.currentX = currentX;
    canvas_.currentY = currentY;
    canvas_.foreColor = foreColor;
    canvas_.backColor = backColor;
    return op;
}

void DrawRecorder::settle() {
    currentX = canvas_.currentX;
    currentY = canvas_.currentY;
}

void DrawRecorder::clear() {
    note(Kind::Clear);
    canvas_.clear();
    settle();
}

void DrawRecorder::point(int x, int y, QRgb color) {
    Op& op = note(Kind::Point);
    op.a = x, op.b = y, op.color = color;
    canvas_.point(x, y, color);
    settle();
}

void DrawRecorder::line(int x0, int y0, int x1, int y1, QRgb color) {
    Op& op = note(Kind::Line);
    op.a = x0, op.b = y0, op.c = x1, op.d = y1, op.color = color;
    canvas_.line(x0, y0, x1, y1, color);
    settle();
}

void DrawRecorder::box(int x0, int y0, int x1, int y1, QRgb color) {
    Op& op = note(Kind::Box);
    op.a = x0, op.b = y0, op.c = x1, op.d = y1, op.color = color;
    canvas_.box(x0, y0, x1, y1, color);
    settle();
}

void DrawRecorder::fillBox(int x0, int y0, int x1, int y1, QRgb color) {
    Op& op = note(Kind::Fill);
    op.a = x0, op.b = y0, op.c = x1, op.d = y1, op.color = color;
    canvas_.fillBox(x0, y0, x1, y1, color);
    settle();
}

void DrawRecorder::circle(int cx, int cy, int r, QRgb color) {
    Op& op = note(Kind::Circle);
    op.a = cx, op.b = cy, op.c = r, op.color = color;
    canvas_.circle(cx, cy, r, color);
    settle();
}

void DrawRecorder::printText(std::string_view cp1252) {
    Op& op = note(Kind::Text);
    op.text = uint32_t(arena_.size());
    op.length = uint32_t(cp1252.size());
    arena_.append(cp1252);
    canvas_.printText(cp1252);
    settle();
}

void DrawRecorder::drawPicture(const QImage& picture, int x, int y, int w, int h) {
    Op& op = note(Kind::ScaledPicture);
    op.a = x, op.b = y, op.c = w, op.d = h, op.picture = &picture;
    canvas_.drawPicture(picture, x, y, w, h);
    settle();
}

void DrawRecorder::drawPicture(const QImage& picture, int x, int y) {
    Op& op = note(Kind::Picture);
    op.a = x, op.b = y, op.picture = &picture;
    canvas_.drawPicture(picture, x, y);
    settle();
}

void DrawRecorder::setPixel(int x, int y, QRgb color) {
    Op& op = note(Kind::Pixel);
    op.a = x, op.b = y, op.color = color;
    canvas_.setPixel(x, y, color);
    settle();
}

void DrawRecorder::replay(Canvas& canvas) const {
    for (size_t call = 0; call < ops_.size(); ++call) replayCall(canvas, call);
}

std::optional<QRgb> DrawRecorder::callColor(size_t call) const {
    const Op& op = ops_[call];
    switch (op.kind) {
        case Kind::Clear: return op.back;
        case Kind::Text: return op.fore;
        case Kind::Picture:
        case Kind::ScaledPicture: return std::nullopt;
        default: return op.color;
    }
}

void DrawRecorder::replayCall(Canvas& canvas, size_t call, std::optional<QRgb> color) const {
    const Op& op = ops_[call];
    const QRgb c = color.value_or(op.color);
    switch (op.kind) {
        case Kind::Clear:
            canvas.backColor = color.value_or(op.back);
            canvas.clear();
            break;
        case Kind::Point: canvas.point(op.a, op.b, c); break;
        case Kind::Line: canvas.line(op.a, op.b, op.c, op.d, c); break;
        case Kind::Box: canvas.box(op.a, op.b, op.c, op.d, c); break;
        case Kind::Fill: canvas.fillBox(op.a, op.b, op.c, op.d, c); break;
        case Kind::Circle: canvas.circle(op.a, op.b, op.c, c); break;
        case Kind::Text:
            canvas.currentX = op.x;
            canvas.currentY = op.y;
            canvas.foreColor = color.value_or(op.fore);
            canvas.printText(std::string_view(arena_).substr(op.text, op.length));
            break;
        case Kind::Picture: canvas.drawPicture(*op.picture, op.a, op.b); break;
        case Kind::ScaledPicture: canvas.drawPicture(*op.picture, op.a, op.b, op.c, op.d); break;
        case Kind::Pixel: canvas.setPixel(op.a, op.b, c); break;
    }
}

}  // namespace quorlak::bench
