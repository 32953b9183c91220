#pragma once
// Reads every text line before it is printed, by its place on the screen, to
// keep the side panels current and choose the line's colour; and takes the
// other screen events that concern the panels. It owns what it reads: the
// status values, the encounter's slots and log state, the item list's
// paging, and the window's and experience captions.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "canvas/drawing_target.h"
#include "panels/panel_models.h"
#include "wire/screen_layout.h"

namespace quorlak {

// Values read from the status column and the encounter band. Widths are the
// game's: experience in 32 bits, the gauge in 16, the count of users in 8.
struct StatusValues {
    int32_t experience = 0;
    int32_t experienceBaseline = 0;  // 0 = none yet
    int16_t gaugeNow = 0;
    int16_t gaugeMax = 0;
    uint8_t lastUsers = 0;
};

// The encounter slots' lines, kept so that an underline can redraw them in red.
struct EncounterSlots {
    bool logging = false;                                    // an encounter runs: its lines go to the log
    std::array<std::string, screen::kSlotCount + 1> text{};  // index 0 unused
    std::array<int16_t, screen::kSlotCount + 1> x{};
    std::array<int16_t, screen::kSlotCount + 1> y{};
};

// Where the item list's reading stands.
struct ListPaging {
    int16_t lastNumber = 0;     // the number of the list line read last
    uint8_t linesExpected = 0;  // lines still due from a bulk request
    bool following = false;     // the reader itself is moving the grid to a new page
};

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
    explicit ScreenReader(Deps deps) : d_(std::move(deps)) {}

    // A line about to be printed at the target's current point; may change
    // it and the colours. Returns whether it is printed.
    bool readTextLine(std::string& text);
    // Redraws slot 1..4's line in red; the red stays for what follows.
    void slotUnderlined(int slot);
    // Marks the row of the list line read last with a bullet.
    void itemRowMarked();
    void tabStripCleared();
    // The log begins afresh unless an encounter runs; the experience gained is counted from here.
    void encounterStarted();
    void encounterEnded();

    // Adds a message row holding only `text` in `color`.
    void addMessage(const std::string& text, QRgb color);
    // A bulk request asks for this many list lines: the grid does not follow their pages.
    void expectListLines(uint8_t lines);

    const StatusValues& status() const { return status_; }
    const EncounterSlots& encounter() const { return encounter_; }
    const ListPaging& paging() const { return paging_; }
    const CaptionsModel& captions() const { return captions_; }
    int warnings() const { return warnings_; }

private:
    // One handler per screen region; each returns the result of readTextLine.
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
    StatusValues status_;
    EncounterSlots encounter_;
    ListPaging paging_;
    CaptionsModel captions_;
    int warnings_ = 0;
};

}  // namespace quorlak
