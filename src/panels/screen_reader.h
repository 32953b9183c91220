#pragma once
// Reads every text line before it is printed, by its place on the screen, to
// keep the side panels current and choose the line's colour; and takes the
// other screen events that concern the panels. Each band of the screen has a
// reader of its own, which owns what it reads.

#include <cstdint>
#include <functional>
#include <string>

#include "canvas/drawing_target.h"
#include "panels/encounter_band.h"
#include "panels/list_feed.h"
#include "panels/message_feed.h"
#include "panels/panel_models.h"
#include "panels/status_column.h"

namespace quorlak {

class ScreenReader {
public:
    struct Deps {
        DrawingTarget& target;
        ItemGridModel& items;
        MessageGridModel& messages;
        TabStripModel& tabs;
        LogModel& log;
        // Moves the item grid's top row as the program (raises its scroll event).
        std::function<void(int)> setItemsTopRow;
        // The warning sound.
        std::function<void()> warn;
    };
    explicit ScreenReader(Deps deps);
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // A line about to be printed at the target's current point; may change
    // it and the colours. Returns whether it is printed.
    bool readTextLine(std::string& text);
    // Redraws slot 1..4's line in red; the red stays for what follows.
    void slotUnderlined(int slot) { encounter_.underlineSlot(slot); }
    // Marks the row of the list line read last with a bullet.
    void itemRowMarked() { list_.markLastRow(); }
    void tabStripCleared();
    // The log begins afresh unless an encounter runs; the experience gained is counted from here.
    void encounterStarted();
    void encounterEnded();

    // Adds a message row holding only `text` in `color`.
    void addMessage(const std::string& text, QRgb color) { messageFeed_.add(text, color); }
    // A bulk request asks for this many list lines: the grid does not follow their pages.
    void expectListLines(uint8_t lines) { list_.expectLines(lines); }

    const StatusValues& status() const { return status_.values(); }
    const EncounterState& encounter() const { return encounter_.state(); }
    const ListPaging& paging() const { return list_.paging(); }
    const CaptionsModel& captions() const { return captions_; }
    int warnings() const { return encounter_.warnings(); }

private:
    bool playerBand(const std::string& text);
    bool topBand(const std::string& text);

    DrawingTarget& target_;
    TabStripModel& tabs_;
    CaptionsModel captions_;
    MessageFeed messageFeed_;
    ListFeed list_;
    StatusColumn status_;
    EncounterBand encounter_;
};

}  // namespace quorlak
