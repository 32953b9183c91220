#pragma once
// The encounter band's lines: creature names as the client shows them, the
// slots' lines kept for their underline, the encounter log while an
// encounter runs, and the warning when a count of users rises from one.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "canvas/drawing_target.h"
#include "panels/message_feed.h"
#include "panels/panel_models.h"
#include "wire/screen_layout.h"

namespace quorlak {

// Renames, in order: "Arctic" to "Furry", "Wolf" to "Husky", "Wolves" to "Huskies".
void substituteCreatureNames(std::string& text);

struct EncounterState {
    bool logging = false;  // an encounter runs: its lines go to the log
    // The slots' lines and where they stood, for the underline to redraw them.
    std::array<std::string, screen::kSlotCount + 1> text{};  // index 0 unused
    std::array<int16_t, screen::kSlotCount + 1> x{};
    std::array<int16_t, screen::kSlotCount + 1> y{};
    uint8_t lastUsers = 0;  // the last count of users read (a byte, as the game keeps it)
};

class EncounterBand {
public:
    struct Deps {
        DrawingTarget& target;
        LogModel& log;
        MessageFeed& messages;
        // The warning sound.
        std::function<void()> warn;
    };
    explicit EncounterBand(Deps deps) : d_(std::move(deps)) {}

    // Returns whether the line is printed (always).
    bool readLine(std::string& text);
    // Redraws slot 1..4's line in red; the red stays for what follows.
    void underlineSlot(int slot);
    // The log begins afresh unless an encounter runs.
    void start();
    void end() { state_.logging = false; }

    const EncounterState& state() const { return state_; }
    int warnings() const { return warnings_; }

private:
    void warnOfRisingUsers(const std::string& text);

    Deps d_;
    EncounterState state_;
    int warnings_ = 0;
};

}  // namespace quorlak
