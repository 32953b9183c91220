#include "gui/display_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "canvas/canvas.h"

namespace quorlak {

namespace {
constexpr int kDimAlpha = 150;  // of 255: the picture stays readable behind it
}

DisplayWidget::DisplayWidget(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(sizeHint());
}

QSize DisplayWidget::sizeHint() const { return scale_.toLogical(QSize(Canvas::kSize, Canvas::kSize)); }

void DisplayWidget::setScale(const DisplayScale& scale) {
    if (scale_ == scale) return;
    scale_ = scale;
    setMinimumSize(sizeHint());
    update();
}

QSize DisplayWidget::sizeInUnits() const { return {scale_.toUnits(width()), scale_.toUnits(height())}; }

void DisplayWidget::updatePicture(const QRect& units) { update(scale_.pictureToLogical(units)); }

QImage DisplayWidget::shownPicture() const {
    const int side = Canvas::kSize * scale_.zoom();
    return canvas_.image().scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void DisplayWidget::setDimmed(bool dimmed) {
    if (dimmed_ == dimmed) return;
    dimmed_ = dimmed;
    update();
}

void DisplayWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Every unit an exact block of pixels: no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& image = canvas_.image();
    const double f = scale_.factor();
    const QRect picture = scale_.pictureToLogical(image.rect());
    for (const QRect& r : event->region()) {
        // The units under r, whole; the painter clips what lies outside.
        const QRect units =
            QRect(QPoint(static_cast<int>(std::floor(r.left() / f)), static_cast<int>(std::floor(r.top() / f))),
                  QPoint(static_cast<int>(std::ceil((r.right() + 1) / f)) - 1,
                         static_cast<int>(std::ceil((r.bottom() + 1) / f)) - 1))
                .intersected(image.rect());
        if (!units.isEmpty())
            painter.drawImage(QRectF(units.x() * f, units.y() * f, units.width() * f, units.height() * f), image,
                              units);
        for (const QRect& b : QRegion(r).subtracted(QRegion(picture))) painter.fillRect(b, Qt::black);
    }
    if (dimmed_) painter.fillRect(event->rect(), QColor(0, 0, 0, kDimAlpha));
}

void DisplayWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize units = sizeInUnits();
    emit resized(units.width(), units.height());
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
