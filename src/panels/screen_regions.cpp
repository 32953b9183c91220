#include "panels/screen_regions.h"

#include "terminal/val_rule.h"

namespace quorlak {

int lineHeight(float currentY) { return clampToInt16(512.0 - static_cast<double>(currentY)); }

ScreenRegion classifyLine(int height, float x) {
    if (height < 60) return ScreenRegion::MessageBand;
    if (height <= 73) return ScreenRegion::PlayerBand;
    if (height <= 319) return x < 170 ? ScreenRegion::StatusColumn : ScreenRegion::ListColumn;
    if (height <= 420) return ScreenRegion::EncounterBand;
    return ScreenRegion::TopBand;
}

}  // namespace quorlak
