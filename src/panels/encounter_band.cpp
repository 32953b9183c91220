#include "panels/encounter_band.h"

#include <string_view>

#include "panels/encounter_log.h"
#include "panels/text_interpreter.h"
#include "terminal/val_rule.h"

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

constexpr int kSlots = 4;

}  // namespace

void substituteCreatureNames(std::string& text) {
    replaceAll(text, "Arctic", "Furry");
    replaceAll(text, "Wolf", "Husky");
    replaceAll(text, "Wolves", "Huskies");
}

bool TextInterpreter::encounterBand(std::string& text) {
    ClientState& state = d_.state;
    substituteCreatureNames(text);
    if (state.logging) logAdd(d_.log, text);
    d_.canvas.foreColor = kWhite;

    // Creature lines start with their slot's digit; the line records redraw them in red.
    const int slot = static_cast<int>(valNumber(std::string_view(text).substr(0, 1)));
    if (slot > 0 && slot <= kSlots) {
        state.slottext[slot] = text;
        state.slotx[slot] = clampToInt16(d_.canvas.currentX);
        state.sloty[slot] = clampToInt16(d_.canvas.currentY);
    }

    if (text.find("drained") != std::string::npos) {
        messadd(text, kRed);
        return true;
    }
    if (text.find(" user") != std::string::npos) warnOfRisingUsers(text);
    return true;
}

void TextInterpreter::warnOfRisingUsers(const std::string& text) {
    const auto users = toUInt8(valNumber(text));
    if (!users) return;  // not a count that a player could see
    // Someone joined a player who was alone.
    if (d_.state.lastusers == 1 && *users > 1) {
        d_.host.beep();
        ++beeps_;
    }
    d_.state.lastusers = *users;
}

}  // namespace quorlak
