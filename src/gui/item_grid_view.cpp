#include "gui/item_grid_view.h"

#include <QScrollBar>

#include "base/cp1252.h"

namespace quorlak {

ItemGridAdapter::ItemGridAdapter(const ItemGridModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {}

int ItemGridAdapter::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ItemGridModel::kRows; }

int ItemGridAdapter::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ItemGridAdapter::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= ItemGridModel::kRows) return {};
    const ItemRow& row = model_.rows[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            // The mark is UTF-8 (a bullet or a letter); the text is the server's.
            return index.column() == 0 ? QString::fromUtf8(row.mark) : cp1252ToQString(row.text);
        case Qt::ForegroundRole: return QColor::fromRgb(model_.foreColor);
        case Qt::FontRole:
            if (index.column() == 1 && (row.bold || row.italic)) {
                QFont f = baseFont_;
                f.setBold(row.bold);
                f.setItalic(row.italic);
                return f;
            }
            return {};
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default: return {};
    }
}

void ItemGridAdapter::refresh() { emit dataChanged(index(0, 0), index(ItemGridModel::kRows - 1, 1)); }

ItemGridView::ItemGridView(const ItemGridModel& model, QWidget* parent)
    : PanelGridView(parent), model_(model), adapter_(model, this) {
    setObjectName(QStringLiteral("griditems"));
    adapter_.setBaseFont(font());
    setModel(&adapter_);
    rescaled();
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!syncing() && current.isValid()) emit playerSelected(current.row());
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!syncing()) emit playerScrolled(value);
    });
}

void ItemGridView::rescaled() {
    adapter_.setBaseFont(font());
    setColumnWidth(0, scale().toLogical(twipsToPixels(kMarkColumnTwips)));
    shownRevision_.reset();
    shownTopRow_.reset();
}

void ItemGridView::sync() {
    if (shownRevision_ == model_.revision) return;
    shownRevision_ = model_.revision;
    applyPlacement(model_.geometry, model_.visible);
    adapter_.refresh();
    if (shownCell_ != std::pair(model_.row, model_.col)) {
        shownCell_ = std::pair(model_.row, model_.col);
        applyCurrentCell(model_.row, model_.col);
    }
    // Only a new top row moves the view, so a scroll of the player's that
    // the core has not taken yet is not undone.
    if (shownTopRow_ != model_.toprow) {
        shownTopRow_ = model_.toprow;
        applyTopRow(model_.toprow);
    }
}

}  // namespace quorlak
