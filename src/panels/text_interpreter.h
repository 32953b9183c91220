#pragma once
// Reads every text line before it is printed, by its place on the screen,
// to keep the side panels current and choose the line's colour.

#include <functional>
#include <string>

#include "display/canvas.h"
#include "panels/panel_models.h"
#include "session/client_state.h"
#include "session/host.h"
#include "terminal/commands.h"

namespace quorlak {

class TextInterpreter : public TextFilter {
public:
    struct Deps {
        ClientState& state;
        Canvas& canvas;
        ItemGridModel& items;
        MessageGridModel& messages;
        TabStripModel& tabs;
        LogModel& log;
        MenuModel& menus;
        WindowModel& window;
        CoreHost& host;
        // Moves the item grid's top row as the program (raises its scroll event).
        std::function<void(int)> setItemsTopRow;
    };
    explicit TextInterpreter(Deps deps) : d_(std::move(deps)) {}

    bool pretext(std::string& text) override;
    // Adds a message row holding only `text` in `color`.
    void messadd(const std::string& text, QRgb color);

    int beeps() const { return beeps_; }

private:
    // One handler per screen region; each returns the result of pretext.
    bool messageBand(std::string& text);
    bool playerBand(const std::string& text);
    bool statusColumn(const std::string& text);
    bool listColumn(const std::string& text);
    bool encounterBand(std::string& text);
    bool topBand(const std::string& text);

    void readExperience(const std::string& text);
    void readGauge(const std::string& text);
    void warnOfRisingUsers(const std::string& text);

    Deps d_;
    int beeps_ = 0;
};

}  // namespace quorlak
