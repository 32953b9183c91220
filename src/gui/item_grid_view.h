#pragma once
// The item and status list beside the display: two columns (mark, text) over
// the core's 98 rows, cyan on black by default.

#include <QAbstractTableModel>
#include <QFont>
#include <optional>

#include "gui/panel_grid_view.h"

namespace quorlak {

class ItemGridAdapter : public QAbstractTableModel {
public:
    explicit ItemGridAdapter(const ItemGridModel& model, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void setBaseFont(const QFont& font) { baseFont_ = font; }
    // The model's rows changed in place.
    void refresh();

private:
    const ItemGridModel& model_;
    QFont baseFont_;
};

class ItemGridView : public PanelGridView {
    Q_OBJECT
public:
    static constexpr int kMarkColumnTwips = 222;

    explicit ItemGridView(const ItemGridModel& model, QWidget* parent = nullptr);
    // Shows whatever changed in the model since the last call.
    void sync();
    // The core answered a selection of the player's: show its current cell
    // at the next sync even if the value is the one shown before.
    void forgetShownCell() {
        shownCell_.reset();
        shownRevision_.reset();
    }

signals:
    void playerSelected(int row);
    void playerScrolled(int toprow);

protected:
    void rescaled() override;

private:
    const ItemGridModel& model_;
    ItemGridAdapter adapter_;
    std::optional<uint64_t> shownRevision_;
    std::optional<int> shownTopRow_;
    std::optional<std::pair<int, int>> shownCell_;
};

}  // namespace quorlak
