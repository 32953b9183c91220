#pragma once
// The main window's client area: the server's 512 x 512 picture at its
// top-left, one unit per pixel, black beyond it. The side panels are its
// children.

#include <QWidget>

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

signals:
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
    bool dimmed_ = false;
};

}  // namespace quorlak
