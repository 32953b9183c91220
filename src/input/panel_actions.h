#pragma once
// The side panels as input devices: the item grid and its action menu, the
// message grid's answers and the tab strip.

#include <cstdint>

#include "input/key_sender.h"
#include "panels/panel_models.h"
#include "session/client_state.h"
#include "session/host.h"

namespace quorlak {

enum class ItemAction { Spell, Use, Give, Xchange, Bank };

class PanelActions {
public:
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

    void itemsMouseDown(int button, int yTwips);
    void itemAction(ItemAction action);
    void itemsSelected(int row);
    // The item grid's top row changed, by the player or by the program.
    void itemsScrolled(int toprow);
    void messageSelected(int64_t row);
    void tabClicked(int index);
    void tabsMouseDown(int button);

private:
    Deps d_;
};

}  // namespace quorlak
