#include "panels/side_panels.h"

#include <string>

#include "panels/layout.h"

namespace quorlak {

SidePanels::SidePanels(DrawingTarget& target, std::function<void(int)> setItemsTopRow, std::function<void()> warn)
    : reader_({target, items_, messages_, tabs_, log_, std::move(setItemsTopRow), std::move(warn)}) {}

void SidePanels::keepLoadedGridHeight() {
    items_.tag = std::to_string(items_.geometry.height);
    items_.touch();
}

void SidePanels::layOut(int width, int height) { applyLayout(width, height, items_, messages_); }

void SidePanels::pointerOverForm(uint8_t savedGridHeight) { zorderOnFormMove(savedGridHeight, tabs_); }

void SidePanels::pointerOverItems(int yTwips, uint8_t savedGridHeight) {
    zorderOnItemsMove(yTwips, savedGridHeight, items_, tabs_);
}

void SidePanels::scrollItemsTo(int toprow) {
    items_.toprow = toprow;
    items_.touch();
}

void SidePanels::pickItemRow(int row) {
    items_.row = row;
    items_.touch();
}

void SidePanels::setItemsHeight(int height) {
    items_.geometry.height = height;
    items_.touch();
}

void SidePanels::showItems() {
    items_.visible = true;
    items_.touch();
}

void SidePanels::pickMessageRow(int64_t row) {
    messages_.row = row;
    messages_.touch();
}

void SidePanels::selectTab(int index) {
    tabs_.selected = index;
    tabs_.touch();
}

void SidePanels::showLog() {
    log_.exists = true;
    log_.visible = true;
    log_.touch();
}

void SidePanels::setLogVisible(bool visible) {
    log_.exists = log_.exists || visible;
    log_.visible = visible;
    log_.touch();
}

}  // namespace quorlak
