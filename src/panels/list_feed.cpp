#include "panels/list_feed.h"

#include "base/val_rule.h"
#include "wire/screen_layout.h"

namespace quorlak {
bool ListFeed::readLine(const std::string& text) {
    ListPaging& state = paging_;
    ItemGridModel& items = d_.items;

    if (text == "B" && state.lastNumber >= 1) {
        // The mark goes beside the last list line read; a line numbered 99
        // has no row, so its mark marks nothing.
        if (state.lastNumber <= ItemGridModel::kRows) {
            const int row = state.lastNumber - 1;
            items.row = row;
            items.col = 1;
            items.rows[row].italic = true;
            items.rows[row].mark.assign(1, 'B');  // not = "B": gcc 12 warns falsely on that
            items.touch();
        }
        return false;
    }

    state.lastNumber = toInt16(valNumber(std::string_view(text).substr(0, 2))).value_or(0);
    // Only lines numbered 1 to 98 have a row; any other is read like a heading.
    const bool hasRow = state.lastNumber > 0 && state.lastNumber <= ItemGridModel::kRows;

    if (hasRow && text.size() >= 3 && text[2] == '.') {
        const int row = state.lastNumber - 1;
        if (state.linesExpected > 0) --state.linesExpected;
        // Follow the list to each new page, but not through a bulk request's pages.
        if (row % screen::kListPageLines == 0 && state.linesExpected == 0) {
            state.following = true;
            d_.setItemsTopRow(row);
            state.following = false;
        }
        ItemRow& item = items.rows[row];
        item.mark.clear();
        item.text = text;
        item.bold = false;
        item.italic = false;
        items.row = row;
        items.col = 1;
        items.visible = true;
        items.touch();
        d_.tabs.visible = true;
        d_.tabs.touch();
        d_.target.foreColor = kCyan;
        return false;
    }

    // A heading or other screen: let the server's text be read where the grid covers it.
    if (items.geometry.left < 500) {
        items.visible = false;
        items.touch();
    }
    d_.target.foreColor = kCyan;
    return true;
}

void ListFeed::markLastRow() {
    const int16_t number = paging_.lastNumber;
    // The grid has a fixed number of rows: a number past them marks nothing.
    if (number <= 0 || number > ItemGridModel::kRows) return;
    ItemGridModel& items = d_.items;
    items.row = number - 1;
    items.col = 1;
    items.rows[number - 1].bold = true;
    items.rows[number - 1].mark = kBullet;
    items.touch();
}

}  // namespace quorlak
