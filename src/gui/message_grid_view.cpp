#include "gui/message_grid_view.h"

#include "base/cp1252.h"

namespace quorlak {

MessageGridAdapter::MessageGridAdapter(const MessageGridModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {}

int MessageGridAdapter::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownCount_; }

int MessageGridAdapter::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

int MessageGridAdapter::viewRow(int64_t modelRow) const {
    const int64_t r = modelRow - shownFirst_;
    return r >= 0 && r < shownCount_ ? static_cast<int>(r) : -1;
}

QVariant MessageGridAdapter::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    // Read through the model's numbering: a row shown but already dropped reads empty.
    const int64_t at = modelRow(index.row()) - model_.firstRow;
    if (at < 0 || at >= static_cast<int64_t>(model_.rows.size())) return {};
    const MessageRow& row = model_.rows[static_cast<size_t>(at)];
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case 0: return cp1252ToQString(row.line);
                case 1: return cp1252ToQString(row.kind);
                case 2: return cp1252ToQString(row.name);
                default: return cp1252ToQString(row.text);
            }
        case Qt::ForegroundRole:
            if (index.column() == 3 && row.color) return QColor::fromRgb(*row.color);
            return {};
        default: return {};
    }
}

void MessageGridAdapter::follow() {
    const int64_t first = model_.firstRow;
    const int64_t end = model_.rowCount();
    const int64_t shownEnd = shownFirst_ + shownCount_;
    if (first < shownFirst_ || end < shownEnd || first > shownEnd) {
        // Not a sliding window over what is shown: start over.
        beginResetModel();
        shownFirst_ = first;
        shownCount_ = static_cast<int>(end - first);
        endResetModel();
        return;
    }
    if (first > shownFirst_) {
        beginRemoveRows({}, 0, static_cast<int>(first - shownFirst_) - 1);
        shownCount_ -= static_cast<int>(first - shownFirst_);
        shownFirst_ = first;
        endRemoveRows();
    }
    if (end > shownEnd) {
        beginInsertRows({}, shownCount_, shownCount_ + static_cast<int>(end - shownEnd) - 1);
        shownCount_ += static_cast<int>(end - shownEnd);
        endInsertRows();
    }
    // Rows already shown may have been coloured or filled in since.
    if (shownCount_ > 0) emit dataChanged(index(0, 0), index(shownCount_ - 1, 3));
}

MessageGridView::MessageGridView(const MessageGridModel& model, QWidget* parent)
    : PanelGridView(parent), model_(model), adapter_(model, this) {
    setObjectName(QStringLiteral("gridmess"));
    setModel(&adapter_);
    setColumnHidden(0, true);
    rescaled();
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!syncing() && current.isValid()) emit playerSelected(adapter_.modelRow(current.row()));
    });
}

void MessageGridView::rescaled() {
    setColumnWidth(1, scale().toLogical(twipsToPixels(kKindColumnTwips)));
    setColumnWidth(2, scale().toLogical(twipsToPixels(kNameColumnTwips)));
    shownRevision_.reset();
    shownTop_.reset();
}

void MessageGridView::sync() {
    if (shownRevision_ == model_.revision) return;
    shownRevision_ = model_.revision;
    applyPlacement(model_.geometry, model_.visible);
    asProgram([this] { adapter_.follow(); });
    if (shownCell_ != std::pair(model_.row, model_.col)) {
        shownCell_ = std::pair(model_.row, model_.col);
        applyCurrentCell(adapter_.viewRow(model_.row), model_.col);
    }
    if (shownTop_ != std::pair(model_.toprow, model_.firstRow)) {
        shownTop_ = std::pair(model_.toprow, model_.firstRow);
        applyTopRow(static_cast<int>(std::max<int64_t>(0, model_.toprow - model_.firstRow)));
    }
}

}  // namespace quorlak
