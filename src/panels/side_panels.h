#pragma once
// The side panels' models and the screen reader that keeps them current. The
// panels own their models: the layers above read them and change them only
// through the methods here.

#include <cstdint>
#include <functional>

#include "canvas/drawing_target.h"
#include "panels/panel_models.h"
#include "panels/screen_reader.h"

namespace quorlak {

class SidePanels {
public:
    // `setItemsTopRow` moves the item grid's top row as the program does (it
    // raises the grid's scroll event); `warn` sounds the warning.
    SidePanels(DrawingTarget& target, std::function<void(int)> setItemsTopRow, std::function<void()> warn);
    SidePanels(const SidePanels&) = delete;
    SidePanels& operator=(const SidePanels&) = delete;

    ScreenReader& reader() { return reader_; }
    const ScreenReader& reader() const { return reader_; }
    const ItemGridModel& items() const { return items_; }
    const MessageGridModel& messages() const { return messages_; }
    const TabStripModel& tabs() const { return tabs_; }
    const LogModel& log() const { return log_; }

    // The load step keeps the item grid's designed height, for the narrow layout.
    void keepLoadedGridHeight();
    // The client area changed size: the layout rule places the grids.
    void layOut(int width, int height);
    // The pointer moved over the bare client area, or over the item grid
    // `yTwips` below its top; `savedGridHeight` is the height a right click saved.
    void pointerOverForm(uint8_t savedGridHeight);
    void pointerOverItems(int yTwips, uint8_t savedGridHeight);

    void scrollItemsTo(int toprow);
    void pickItemRow(int row);
    void setItemsHeight(int height);
    void showItems();
    void pickMessageRow(int64_t row);
    void selectTab(int index);

    void showLog();
    // The player showed or hid the log window.
    void setLogVisible(bool visible);

private:
    ItemGridModel items_;
    MessageGridModel messages_;
    TabStripModel tabs_;
    LogModel log_;
    ScreenReader reader_;
};

}  // namespace quorlak
