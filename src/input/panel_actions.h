#pragma once
// The side panels as input devices: the item grid and its action menu, the
// message grid's answers and the tab strip. Only the player's own actions
// reach these handlers; changes the program makes to the panels send nothing.

#include <cstdint>
#include <string>

#include "input/key_sender.h"
#include "panels/panel_models.h"
#include "session/client_state.h"
#include "session/host.h"

namespace quorlak {

enum class ItemAction { Spell, Use, Give, Xchange, Bank };

class PanelActions {
public:
    static constexpr int kRightButton = 2;
    static constexpr int kPageRows = 14;  // the server's inventory pages
    static constexpr int kTabCount = 6;

    struct Deps {
        ClientState& state;
        KeySender& sender;
        ItemGridModel& items;
        MessageGridModel& messages;
        TabStripModel& tabs;
        const TextBoxModel& box;
        CoreHost& host;
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

    // The caption of tab 1..6.
    static const char* tabCaption(int index);

private:
    // Letters and a number as one key string, then Enter.
    void sendCommand(const std::string& letters, int number);
    Deps d_;
};

}  // namespace quorlak
