#pragma once
// The status column's lines: the experience and its gain, the gauge and its
// bar, and the colours of the other rows.

#include <cstdint>
#include <string>

#include "canvas/drawing_target.h"
#include "panels/panel_models.h"

namespace quorlak {

// Widths are the game's: experience in 32 bits, the gauge in 16.
struct StatusValues {
    int32_t experience = 0;
    int32_t experienceBaseline = 0;  // 0 = none yet
    int16_t gaugeNow = 0;
    int16_t gaugeMax = 0;
};

class StatusColumn {
public:
    // The gain since the baseline goes into `captions.experience`.
    StatusColumn(DrawingTarget& target, CaptionsModel& captions) : target_(target), captions_(captions) {}

    // Returns whether the line is printed.
    bool readLine(const std::string& text);
    // An encounter starts: the gain counts from the experience now, unless it already counts.
    void startCounting();
    void stopCounting() { values_.experienceBaseline = 0; }

    const StatusValues& values() const { return values_; }

private:
    void readExperience(const std::string& text);
    void readGauge(const std::string& text);

    DrawingTarget& target_;
    CaptionsModel& captions_;
    StatusValues values_;
};

}  // namespace quorlak
