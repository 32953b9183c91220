#include "panels/screen_reader.h"

#include "panels/screen_regions.h"
#include "wire/screen_layout.h"

namespace quorlak {

using namespace screen;

ScreenReader::ScreenReader(Deps deps)
    : target_(deps.target),
      tabs_(deps.tabs),
      messageFeed_(deps.messages, deps.items),
      list_({deps.target, deps.items, deps.tabs, std::move(deps.setItemsTopRow)}),
      status_(deps.target, captions_),
      encounter_({deps.target, deps.log, messageFeed_, std::move(deps.warn)}) {}

bool ScreenReader::readTextLine(std::string& text) {
    switch (classifyLine(lineHeight(target_.currentY), target_.currentX)) {
        case ScreenRegion::MessageBand: return messageFeed_.readLine(text);
        case ScreenRegion::PlayerBand: return playerBand(text);
        case ScreenRegion::StatusColumn: return status_.readLine(text);
        case ScreenRegion::ListColumn: return list_.readLine(text);
        case ScreenRegion::EncounterBand: return encounter_.readLine(text);
        case ScreenRegion::TopBand: return topBand(text);
    }
    return true;
}

bool ScreenReader::playerBand(const std::string& text) {
    // The player's own lines cover the tab strip's place; the list brings it back.
    tabs_.visible = false;
    tabs_.touch();
    target_.foreColor = kMagenta;
    if (text.starts_with("Player is ")) addMessage(text, kRed);
    return true;
}

bool ScreenReader::topBand(const std::string& text) {
    const float x = target_.currentX;
    if (x < kColumnSplitX) {
        target_.foreColor = kCoral;
        if (target_.currentY < kCaptionBelowY) {
            captions_.windowCaption = text;
            captions_.touch();
        }
    } else if (x >= kTopBandRightX) {
        target_.foreColor = kYellow;
    } else {
        target_.foreColor = kGrey;
    }
    return true;
}

void ScreenReader::tabStripCleared() {
    tabs_.visible = true;
    tabs_.touch();
}

void ScreenReader::encounterStarted() {
    encounter_.start();
    status_.startCounting();
}

void ScreenReader::encounterEnded() {
    status_.stopCounting();
    encounter_.end();
}

}  // namespace quorlak
