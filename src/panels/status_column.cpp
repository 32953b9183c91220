#include <algorithm>
#include <optional>
#include <string>

#include "panels/screen_regions.h"
#include "panels/text_interpreter.h"
#include "terminal/val_rule.h"

namespace quorlak {
namespace {

// Rows of the status column that carry a meaning, by their exact y.
constexpr float kThresholdRow = 219;
constexpr float kExperienceRow = 264;
constexpr float kGaugeRow = 204;
constexpr int kBarTop = 198;
constexpr int kBarBottom = 199;

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

bool TextInterpreter::statusColumn(const std::string& text) {
    Canvas& canvas = d_.canvas;
    const int h = lineHeight(canvas.currentY);
    if (canvas.currentX > 70 && h > 111 && h < 177) {
        canvas.foreColor = kRed;
        return true;
    }
    canvas.foreColor = kGreen;
    if (canvas.currentY == kThresholdRow) {
        if (valNumber(fromChar(text, 18)) < 60) canvas.foreColor = kYellow;
    } else if (canvas.currentY == kExperienceRow) {
        if (canvas.currentX == 11) canvas.foreColor = kRed;
        else readExperience(text);
    } else if (canvas.currentY == kGaugeRow) {
        readGauge(text);
    }
    return true;
}

void TextInterpreter::readExperience(const std::string& text) {
    std::string digits(fromChar(text, 10));
    std::erase(digits, ',');
    const auto value = toInt32(valNumber(digits));
    if (!value) return;  // beyond the counter's width: keep the last good value
    d_.state.expnow = *value;
    const auto gained = toInt32(static_cast<double>(*value) - d_.state.expstart);
    if (!gained) return;
    d_.menus.netexp = std::to_string(*gained);
    d_.menus.touch();
}

void TextInterpreter::readGauge(const std::string& text) {
    const auto gauge = readGaugeValues(text);
    if (!gauge) return;
    d_.state.gaugenow = gauge->now;
    d_.state.gaugemax = gauge->max;
    if (gauge->max == 0) return;  // no ratio to draw; the line is still printed

    Canvas& canvas = d_.canvas;
    const float ratio = static_cast<float>(gauge->now) / static_cast<float>(gauge->max);
    canvas.box(0, kBarTop, Canvas::kSize, kBarBottom, canvas.backColor);
    canvas.box(0, kBarBottom, clampToInt16(Canvas::kSize * ratio), kBarTop, ratio > 0.5f ? kGreen : kRed);
    // The drawing moved the current point; the line belongs at the column's left.
    canvas.currentX = 10;
    canvas.currentY = kGaugeRow;
}

}  // namespace quorlak
