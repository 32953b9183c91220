#include "gui/panel_grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <cmath>

namespace quorlak {

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(screen::kTwipsPerPixel)));
}

int buttonMask(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

namespace {

// The current cell keeps its own text colour, as in the game's grids: only
// its background marks it. (The newest message is the current cell, and its
// colour says what kind of message it is.)
class OwnColourDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->palette.setBrush(QPalette::HighlightedText, option->palette.brush(QPalette::Text));
    }
};

}  // namespace

PanelGridView::PanelGridView(QWidget* parent) : QTableView(parent) {
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Moving the current cell is no reason to scroll: the top row is the model's.
    setAutoScroll(false);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setMinimumSectionSize(0);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::Highlight, QColor(0x30, 0x30, 0x70));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(pal);
    setItemDelegate(new OwnColourDelegate(this));
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #404040; }"));

    QFont f = font();
    f.setPixelSize(kFontPixels);
    setFont(f);

    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
}

void PanelGridView::setScale(const DisplayScale& scale) {
    scale_ = scale;
    QFont f = font();
    f.setPixelSize(scale.fontPixels(kFontPixels));
    setFont(f);
    verticalHeader()->setDefaultSectionSize(scale.toLogical(kRowHeight));
    rescaled();
}

int PanelGridView::yTwipsOf(const QPointF& viewportPos) const {
    return scale_.toTwips(viewportPos.y() + viewport()->mapTo(this, QPoint(0, 0)).y());
}

bool PanelGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            emit focusWanted();
            if (event->type() == QEvent::MouseButtonPress)
                emit pressed(buttonMask(mouse->button()), yTwipsOf(mouse->position()));
            // Only the left button selects a cell, as in the game's own grids.
            if (mouse->button() != Qt::LeftButton) return true;
        } else if (event->type() == QEvent::MouseMove) {
            emit hovered(yTwipsOf(static_cast<QMouseEvent*>(event)->position()));
        }
    }
    return QTableView::eventFilter(watched, event);
}

void PanelGridView::applyPlacement(const Geometry& geometry, bool visible) {
    asProgram([&] {
        const QRect rect = scale_.toLogical(geometry);
        if (this->geometry() != rect) setGeometry(rect);
        if (isVisibleTo(parentWidget()) != visible) setVisible(visible);
    });
}

void PanelGridView::applyCurrentCell(int viewRow, int col) {
    if (!model() || !selectionModel()) return;
    asProgram([&] {
        const QModelIndex index = model()->index(viewRow, col);
        if (!index.isValid()) {
            selectionModel()->clear();
        } else if (selectionModel()->currentIndex() != index) {
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }
    });
}

void PanelGridView::applyTopRow(int viewRow) {
    asProgram([&] {
        // Rows added in this same sync must count in the scroll range first.
        updateGeometries();
        verticalScrollBar()->setValue(viewRow);
    });
}

}  // namespace quorlak
