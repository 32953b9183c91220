#pragma once
// The side panels as input devices: the item grid and its action menu, the
// message grid's answers and the tab strip. Only the player's own actions
// reach these handlers; changes the program makes to the panels send nothing.

#include <cstdint>
#include <functional>
#include <string>

#include "input/key_sender.h"
#include "input/text_entry.h"
#include "panels/panel_models.h"
#include "panels/side_panels.h"

namespace quorlak {

enum class ItemAction { Spell, Use, Give, Exchange, Bank };

// The tab (1..6) whose list a key item sent right after F7 asks for, as a tab
// click sends it (a page number for the items); 0 for any other key.
int tabShownByListKey(int16_t vk, int16_t mask);

class PanelActions {
public:
    static constexpr int kRightButton = 2;

    struct Deps {
        KeySender& sender;
        SidePanels& panels;
        const TextBoxModel& box;
        // The pop-up menu of item actions at the pointer; the choice comes back later.
        std::function<void()> showItemMenu;
    };
    explicit PanelActions(Deps deps) : d_(deps) {}

    // A button went down on the item grid, yTwips below its top edge.
    void itemsMouseDown(int button, int yTwips);
    void itemAction(ItemAction action);
    // The player selected this row of the item grid.
    void itemsSelected(int row);
    // The item grid's top row changed, by the player or by the program.
    void itemsScrolled(int toprow);
    // The player selected this row (numbered from the first row ever added).
    void messageSelected(int64_t row);
    void tabClicked(int index);
    void tabsMouseDown(int button);

    // The item number the pointer picked last (a byte, as the game keeps it).
    uint8_t itemPick() const { return itemPick_; }
    // The item to exchange with the next one picked; 0 for none.
    uint8_t exchangeItem() const { return exchangeItem_; }
    // The item grid's height saved by a right click on the tab strip; 0 for none.
    uint8_t savedGridHeight() const { return savedGridHeight_; }
    // The item grid's top row last seen.
    uint8_t lastTopRow() const { return lastTopRow_; }

private:
    // Letters and a number as one key string, then Enter.
    void sendCommand(const std::string& letters, int number);
    Deps d_;
    uint8_t itemPick_ = 0;
    uint8_t exchangeItem_ = 0;
    uint8_t savedGridHeight_ = 0;
    uint8_t lastTopRow_ = 0;
};

}  // namespace quorlak
