#include "panels/text_interpreter.h"

#include "panels/screen_regions.h"

namespace quorlak {

bool TextInterpreter::pretext(std::string& text) {
    if (!d_.state.cdseen) return true;
    switch (classifyLine(lineHeight(d_.canvas.currentY), d_.canvas.currentX)) {
        case ScreenRegion::MessageBand: return messageBand(text);
        case ScreenRegion::PlayerBand: return playerBand(text);
        case ScreenRegion::StatusColumn: return statusColumn(text);
        case ScreenRegion::ListColumn: return listColumn(text);
        case ScreenRegion::EncounterBand: return encounterBand(text);
        case ScreenRegion::TopBand: return topBand(text);
    }
    return true;
}

bool TextInterpreter::playerBand(const std::string& text) {
    // The player's own lines cover the tab strip's place; the list brings it back.
    d_.tabs.visible = false;
    d_.tabs.touch();
    d_.canvas.foreColor = kMagenta;
    if (text.starts_with("Player is ")) messadd(text, kRed);
    return true;
}

bool TextInterpreter::topBand(const std::string& text) {
    const float x = d_.canvas.currentX;
    if (x < 170) {
        d_.canvas.foreColor = kCoral;
        if (d_.canvas.currentY < 16) {
            d_.window.caption = text;
            d_.window.touch();
        }
    } else if (x >= 300) {
        d_.canvas.foreColor = kYellow;
    } else {
        d_.canvas.foreColor = kGrey;
    }
    return true;
}

}  // namespace quorlak
