#include "panels/encounter_band.h"

#include <string_view>

#include "base/val_rule.h"
#include "panels/encounter_log.h"

namespace quorlak {
namespace {

void replaceAll(std::string& text, std::string_view find, std::string_view replacement) {
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(find, from)) != std::string::npos; from = at + find.size())
        out.append(text, from, at - from).append(replacement);
    if (from == 0) return;
    out.append(text, from);
    text = std::move(out);
}

}  // namespace

void substituteCreatureNames(std::string& text) {
    replaceAll(text, "Arctic", "Furry");
    replaceAll(text, "Wolf", "Husky");
    replaceAll(text, "Wolves", "Huskies");
}

bool EncounterBand::readLine(std::string& text) {
    substituteCreatureNames(text);
    if (state_.logging) logAdd(d_.log, text);
    d_.target.foreColor = kWhite;

    // Creature lines start with their slot's digit; the line records redraw them in red.
    const int slot = static_cast<int>(valNumber(std::string_view(text).substr(0, 1)));
    if (slot > 0 && slot <= screen::kSlotCount) {
        state_.text[slot] = text;
        state_.x[slot] = clampToInt16(d_.target.currentX);
        state_.y[slot] = clampToInt16(d_.target.currentY);
    }

    if (text.find("drained") != std::string::npos) {
        d_.messages.add(text, kRed);
        return true;
    }
    if (text.find(" user") != std::string::npos) warnOfRisingUsers(text);
    return true;
}

void EncounterBand::warnOfRisingUsers(const std::string& text) {
    const auto users = toUInt8(valNumber(text));
    if (!users) return;  // not a count that a player could see
    // Someone joined a player who was alone.
    if (state_.lastUsers == 1 && *users > 1) {
        ++warnings_;
        d_.warn();
    }
    state_.lastUsers = *users;
}

void EncounterBand::underlineSlot(int slot) {
    DrawingTarget& t = d_.target;
    t.foreColor = kRed;
    t.currentX = state_.x[slot];
    t.currentY = float(state_.y[slot] - screen::kTextRaise);
    t.printText(state_.text[slot]);
}

void EncounterBand::start() {
    if (!state_.logging) logClear(d_.log);
    state_.logging = true;
}

}  // namespace quorlak
