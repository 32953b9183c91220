#include "panels/screen_regions.h"

#include "base/val_rule.h"
#include "wire/screen_layout.h"

namespace quorlak {

using namespace screen;

int lineHeight(float currentY) { return clampToInt16(double(kDisplaySize) - static_cast<double>(currentY)); }

ScreenRegion classifyLine(int height, float x) {
    if (height < kMessageBandTop) return ScreenRegion::MessageBand;
    if (height <= kPlayerBandTop) return ScreenRegion::PlayerBand;
    if (height <= kColumnsTop) return x < kColumnSplitX ? ScreenRegion::StatusColumn : ScreenRegion::ListColumn;
    if (height <= kEncounterBandTop) return ScreenRegion::EncounterBand;
    return ScreenRegion::TopBand;
}

}  // namespace quorlak
