#include "input/panel_actions.h"

#include <array>
#include <cstdlib>
#include <limits>

#include "wire/key_items.h"
#include "wire/screen_layout.h"

namespace quorlak {

namespace {

constexpr int kMaxByte = std::numeric_limits<uint8_t>::max();

bool isAnswerKind(const std::string& kind) { return kind == "P" || kind == "R" || kind == "G"; }

}  // namespace

void PanelActions::sendCommand(const std::string& letters, int number) {
    d_.sender.sendText(letters + std::to_string(number));
    d_.sender.sendKey(vkey::Enter, 0);
}

// --- item grid -----------------------------------------------------------------

void PanelActions::itemsMouseDown(int button, int yTwips) {
    const long long item =
        static_cast<long long>(yTwips / ItemGridModel::kRowHeightTwips) + d_.panels.items().toprow + 1;
    // Item numbers are bytes: a pointer beyond row 255 picks nothing and
    // opens no menu, so no action can fall on a wrapped number.
    if (item < 1 || item > kMaxByte) return;
    itemPick_ = static_cast<uint8_t>(item);
    if (button & kRightButton) d_.showItemMenu();
}

void PanelActions::itemAction(ItemAction action) {
    const int item = itemPick_;
    switch (action) {
        case ItemAction::Spell: sendCommand("P", item); break;
        case ItemAction::Use: sendCommand("U", item); break;
        case ItemAction::Give: sendCommand("G", item); break;
        case ItemAction::Bank: sendCommand("bi", item); break;
        case ItemAction::Exchange: exchangeItem_ = itemPick_; break;
    }
}

void PanelActions::itemsSelected(int row) {
    if (row < 0 || row >= ItemGridModel::kRows) return;
    d_.panels.pickItemRow(row);
    if (exchangeItem_ != 0) {
        d_.sender.sendText("X" + std::to_string(exchangeItem_) + ",");
        d_.sender.then([this] { exchangeItem_ = 0; });
    } else if (!d_.box.visible) {
        return;
    }
    d_.sender.sendText(std::to_string(row + 1));
    d_.sender.sendKey(vkey::Enter, 0);
    // Back to row 0 so the same row can be chosen again; not a selection.
    d_.sender.then([this] { d_.panels.pickItemRow(0); });
}

void PanelActions::itemsScrolled(int toprow) {
    // The last top row is a byte; a grid this long cannot be paged.
    if (toprow < 0 || toprow > kMaxByte) return;
    if (!d_.box.visible && std::abs(toprow - lastTopRow_) >= 2 && !d_.panels.reader().paging().following) {
        d_.sender.sendKey(vkey::F7, 0);
        d_.sender.sendText(std::to_string(toprow / screen::kListPageLines + 1));
    }
    lastTopRow_ = static_cast<uint8_t>(toprow);
}

// --- message grid and tab strip -----------------------------------------------

void PanelActions::messageSelected(int64_t row) {
    const MessageGridModel& messages = d_.panels.messages();
    const int64_t index = row - messages.firstRow;
    if (index < 0 || index >= static_cast<int64_t>(messages.rows.size())) return;
    d_.panels.pickMessageRow(row);
    const MessageRow& message = messages.rows[static_cast<size_t>(index)];
    if (!isAnswerKind(message.kind)) return;
    d_.sender.sendText("Mp");
    d_.sender.sendText(message.name);
    d_.sender.sendKey(vkey::Enter, 0);
}

int tabShownByListKey(int16_t vk, int16_t mask) {
    if (mask == 0 && vk > '0' && vk <= '0' + screen::kBulkPages) return 1;
    for (int tab = 2; tab <= TabStripModel::kTabs; ++tab) {
        const auto [code, shift] = keyForChar(static_cast<uint8_t>(TabStripModel::caption(tab)[0]));
        if (code == vk && shift == mask) return tab;
    }
    return 0;
}

void PanelActions::tabClicked(int index) {
    if (index < 1 || index > TabStripModel::kTabs) return;
    d_.panels.selectTab(index);
    if (index == 1) {
        d_.panels.showItems();
        return;
    }
    d_.sender.sendKey(vkey::F7, 0);
    d_.sender.sendText(std::string(1, TabStripModel::caption(index)[0]));
}

void PanelActions::tabsMouseDown(int button) {
    if (!(button & kRightButton)) return;
    if (savedGridHeight_ != 0) {
        d_.panels.setItemsHeight(savedGridHeight_);
        savedGridHeight_ = 0;
        return;
    }
    // The saved height is a byte: a taller grid (the wide layout) is not saved.
    const int height = d_.panels.items().geometry.height;
    if (height > 0 && height <= kMaxByte) savedGridHeight_ = static_cast<uint8_t>(height);
}

}  // namespace quorlak
