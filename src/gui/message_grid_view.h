#pragma once
// The message lines under the display: four columns (the whole line, hidden;
// kind; name; text), white on black, the text in the row's colour. The view
// follows the core's deque by insertions at the end and removals at the
// front, so it stays quick with the full 100 000 rows.

#include <QAbstractTableModel>
#include <optional>

#include "gui/panel_grid_view.h"

namespace quorlak {

class MessageGridAdapter : public QAbstractTableModel {
public:
    explicit MessageGridAdapter(const MessageGridModel& model, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the rows shown up to the model's: drops the oldest, appends the
    // newest, refreshes the rest.
    void follow();
    // Model row number of a view row, and back (-1 when not shown).
    int64_t modelRow(int viewRow) const { return shownFirst_ + viewRow; }
    int viewRow(int64_t modelRow) const;

private:
    const MessageGridModel& model_;
    int64_t shownFirst_ = 0;
    int shownCount_ = 0;
};

class MessageGridView : public PanelGridView {
    Q_OBJECT
public:
    static constexpr int kKindColumnTwips = 222;
    static constexpr int kNameColumnTwips = 2222;

    explicit MessageGridView(const MessageGridModel& model, QWidget* parent = nullptr);
    void sync();
    const MessageGridAdapter& adapter() const { return adapter_; }

signals:
    // The player selected this row (the model's numbering).
    void playerSelected(int64_t row);

protected:
    void rescaled() override;

private:
    const MessageGridModel& model_;
    MessageGridAdapter adapter_;
    std::optional<uint64_t> shownRevision_;
    std::optional<std::pair<int64_t, int64_t>> shownTop_;  // toprow, firstRow
    std::optional<std::pair<int64_t, int>> shownCell_;
};

}  // namespace quorlak
