#include "gui/display_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "canvas/canvas.h"

namespace quorlak {

namespace {
constexpr int kDimAlpha = 150;  // of 255: the picture stays readable behind it
}

DisplayWidget::DisplayWidget(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QSize DisplayWidget::sizeHint() const { return {Canvas::kSize, Canvas::kSize}; }

void DisplayWidget::setDimmed(bool dimmed) {
    if (dimmed_ == dimmed) return;
    dimmed_ = dimmed;
    update();
}

void DisplayWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Scaled for a high-density screen, the picture stays crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& image = canvas_.image();
    for (const QRect& r : event->region()) {
        const QRect drawn = r.intersected(image.rect());
        if (!drawn.isEmpty()) painter.drawImage(drawn.topLeft(), image, drawn);
        const QRegion beyond = QRegion(r).subtracted(QRegion(image.rect()));
        for (const QRect& b : beyond) painter.fillRect(b, Qt::black);
    }
    if (dimmed_) painter.fillRect(event->rect(), QColor(0, 0, 0, kDimAlpha));
}

void DisplayWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(width(), height());
}

bool DisplayWidget::overBareArea(const QMouseEvent& event) const {
    // Events a panel leaves unhandled come up to this widget; they are not the bare area's.
    return childAt(event.position().toPoint()) == nullptr;
}

void DisplayWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && overBareArea(*event)) emit doubleClicked();
}

void DisplayWidget::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (overBareArea(*event)) emit pointerMoved();
}

}  // namespace quorlak
