#include <string>

#include "panels/text_interpreter.h"
#include "terminal/val_rule.h"

namespace quorlak {
namespace {

constexpr int kPageLines = 14;

}  // namespace

bool TextInterpreter::listColumn(const std::string& text) {
    ClientState& state = d_.state;
    ItemGridModel& items = d_.items;

    if (text == "B" && state.itemnum >= 1) {
        // The mark goes beside the last list line read; a line numbered 99
        // has no row, so its mark marks nothing.
        if (state.itemnum <= ItemGridModel::kRows) {
            const int row = state.itemnum - 1;
            items.row = row;
            items.col = 1;
            items.rows[row].italic = true;
            items.rows[row].mark.assign(1, 'B');  // not = "B": gcc 12 warns falsely on that
            items.touch();
        }
        return false;
    }

    state.itemnum = toInt16(valNumber(std::string_view(text).substr(0, 2))).value_or(0);
    // Only lines numbered 1 to 98 have a row; any other is read like a heading.
    const bool hasRow = state.itemnum > 0 && state.itemnum <= ItemGridModel::kRows;

    if (hasRow && text.size() >= 3 && text[2] == '.') {
        const int row = state.itemnum - 1;
        if (state.itemsexpected > 0) --state.itemsexpected;
        // Follow the list to each new page, but not through a bulk request's pages.
        if (row % kPageLines == 0 && state.itemsexpected == 0) {
            state.scrolling = true;
            d_.setItemsTopRow(row);
            state.scrolling = false;
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
        d_.canvas.foreColor = kCyan;
        return false;
    }

    // A heading or other screen: let the server's text be read where the grid covers it.
    if (items.geometry.left < 500) {
        items.visible = false;
        items.touch();
    }
    d_.canvas.foreColor = kCyan;
    return true;
}

}  // namespace quorlak
