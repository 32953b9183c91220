#include "panels/status_column.h"

#include <algorithm>
#include <optional>

#include "base/val_rule.h"
#include "panels/screen_regions.h"
#include "wire/screen_layout.h"

namespace quorlak {
namespace {

struct Gauge {
    int16_t now;
    int16_t max;
};

std::optional<Gauge> readGaugeValues(const std::string& text) {
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '/', ' ');
    const auto now = toInt16(valNumber(fromChar(text, 14)));
    const auto max = toInt16(valNumber(fromChar(spaced, 18)));
    if (!now || !max) return std::nullopt;
    return Gauge{*now, *max};
}

}  // namespace

bool StatusColumn::readLine(const std::string& text) {
    using namespace screen;
    DrawingTarget& canvas = target_;
    const int h = lineHeight(canvas.currentY);
    if (canvas.currentX > kWarningFromX && h > kWarningAboveHeight && h < kWarningBelowHeight) {
        canvas.foreColor = kRed;
        return true;
    }
    canvas.foreColor = kGreen;
    if (canvas.currentY == kThresholdRow) {
        if (valNumber(fromChar(text, 18)) < 60) canvas.foreColor = kYellow;
    } else if (canvas.currentY == kExperienceRow) {
        if (canvas.currentX == kExperienceLabelX) canvas.foreColor = kRed;
        else readExperience(text);
    } else if (canvas.currentY == kGaugeRow) {
        readGauge(text);
    }
    return true;
}

void StatusColumn::readExperience(const std::string& text) {
    std::string digits(fromChar(text, 10));
    std::erase(digits, ',');
    const auto value = toInt32(valNumber(digits));
    if (!value) return;  // beyond the counter's width: keep the last good value
    values_.experience = *value;
    const auto gained = toInt32(static_cast<double>(*value) - values_.experienceBaseline);
    if (!gained) return;
    captions_.experience = std::to_string(*gained);
    captions_.touch();
}

void StatusColumn::readGauge(const std::string& text) {
    const auto gauge = readGaugeValues(text);
    if (!gauge) return;
    values_.gaugeNow = gauge->now;
    values_.gaugeMax = gauge->max;
    if (gauge->max == 0) return;  // no ratio to draw; the line is still printed

    using namespace screen;
    DrawingTarget& canvas = target_;
    const float ratio = static_cast<float>(gauge->now) / static_cast<float>(gauge->max);
    canvas.box(0, kGaugeBarTop, kDisplaySize, kGaugeBarBottom, canvas.backColor);
    canvas.box(0, kGaugeBarBottom, clampToInt16(kDisplaySize * ratio), kGaugeBarTop, ratio > 0.5f ? kGreen : kRed);
    // The drawing moved the current point; the line belongs at the column's left.
    canvas.currentX = kGaugeLineX;
    canvas.currentY = kGaugeRow;
}

void StatusColumn::startCounting() {
    if (values_.experienceBaseline == 0) values_.experienceBaseline = values_.experience;
}

}  // namespace quorlak
