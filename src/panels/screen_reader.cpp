#include "panels/screen_reader.h"

#include "panels/encounter_log.h"
#include "panels/screen_regions.h"

namespace quorlak {

using namespace screen;

bool ScreenReader::readTextLine(std::string& text) {
    switch (classifyLine(lineHeight(d_.target.currentY), d_.target.currentX)) {
        case ScreenRegion::MessageBand: return messageBand(text);
        case ScreenRegion::PlayerBand: return playerBand(text);
        case ScreenRegion::StatusColumn: return statusColumn(text);
        case ScreenRegion::ListColumn: return listColumn(text);
        case ScreenRegion::EncounterBand: return encounterBand(text);
        case ScreenRegion::TopBand: return topBand(text);
    }
    return true;
}

bool ScreenReader::playerBand(const std::string& text) {
    // The player's own lines cover the tab strip's place; the list brings it back.
    d_.tabs.visible = false;
    d_.tabs.touch();
    d_.target.foreColor = kMagenta;
    if (text.starts_with("Player is ")) addMessage(text, kRed);
    return true;
}

bool ScreenReader::topBand(const std::string& text) {
    const float x = d_.target.currentX;
    if (x < kColumnSplitX) {
        d_.target.foreColor = kCoral;
        if (d_.target.currentY < kCaptionBelowY) {
            captions_.windowCaption = text;
            captions_.touch();
        }
    } else if (x >= kTopBandRightX) {
        d_.target.foreColor = kYellow;
    } else {
        d_.target.foreColor = kGrey;
    }
    return true;
}

void ScreenReader::slotUnderlined(int slot) {
    DrawingTarget& t = d_.target;
    t.foreColor = kRed;
    t.currentX = encounter_.x[slot];
    t.currentY = float(encounter_.y[slot] - kTextRaise);
    t.printText(encounter_.text[slot]);
}

void ScreenReader::tabStripCleared() {
    d_.tabs.visible = true;
    d_.tabs.touch();
}

void ScreenReader::encounterStarted() {
    if (!encounter_.logging) logClear(d_.log);
    encounter_.logging = true;
    if (status_.experienceBaseline == 0) status_.experienceBaseline = status_.experience;
}

void ScreenReader::encounterEnded() {
    status_.experienceBaseline = 0;
    encounter_.logging = false;
}

}  // namespace quorlak
