#pragma once
// The main window's client area: the server's 512 x 512 picture at its
// top-left, each game unit a whole block of screen pixels at the zoom, black
// beyond it. The side panels are its children.

#include <QWidget>

#include "gui/display_scale.h"

namespace quorlak {

class Canvas;

class DisplayWidget : public QWidget {
    Q_OBJECT
public:
    explicit DisplayWidget(const Canvas& canvas, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // A game no longer live is shown dimmed.
    void setDimmed(bool dimmed);
    bool dimmed() const { return dimmed_; }

    // Shows the picture at `scale`; the size in units it reports from now on
    // counts in that scale. The widget is never smaller than the whole picture.
    void setScale(const DisplayScale& scale);
    const DisplayScale& scale() const { return scale_; }
    // The client area in game units.
    QSize sizeInUnits() const;
    // Repaints the part of the picture that covers `units`.
    void updatePicture(const QRect& units);
    // The picture as shown: each unit a block of zoom x zoom pixels.
    QImage shownPicture() const;

signals:
    // The client area's new size, in game units.
    void resized(int width, int height);
    void doubleClicked();
    // The pointer moved over the bare client area (not over a panel).
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool overBareArea(const QMouseEvent& event) const;
    const Canvas& canvas_;
    DisplayScale scale_;
    bool dimmed_ = false;
};

}  // namespace quorlak
