#pragma once
// How large the game shows: the zoom is the number of screen (device) pixels
// per game unit along each side, whatever the desktop's own scaling. The
// layout rules still work in game units; this converts units to the logical
// pixels widgets are placed in, and back.

#include <QRect>
#include <QSize>

#include "panels/panel_models.h"

namespace quorlak {

class DisplayScale {
public:
    DisplayScale() = default;
    // `devicePixelRatio` is the desktop's device pixels per logical pixel.
    DisplayScale(int zoom, double devicePixelRatio);

    int zoom() const { return zoom_; }
    double devicePixelRatio() const { return ratio_; }
    // Logical pixels per game unit.
    double factor() const { return zoom_ / ratio_; }

    // Enough logical pixels to hold `units` whole (toUnits gives them back).
    int toLogical(int units) const;
    QSize toLogical(QSize units) const;
    // A control's place; edges are rounded alike, so neighbours still meet.
    QRect toLogical(const Geometry& units) const;
    // The units a rectangle of the picture covers, in logical pixels.
    QRect pictureToLogical(const QRect& units) const;
    // Whole units in `logical` pixels.
    int toUnits(double logical) const;
    // Twips (15 to the unit) in `logical` pixels, whole ones.
    int toTwips(double logical) const;
    // A font's pixel size at 1x, at this zoom; never below 1.
    int fontPixels(int pixelsAtOne) const;

    bool operator==(const DisplayScale&) const = default;

private:
    int zoom_ = 1;
    double ratio_ = 1;
};

// The zoom a first run starts with: 2 on a dense screen (the desktop scales
// by 1.5 or more, or it has 144 dots per inch or more), 1 otherwise.
int defaultZoom(double devicePixelRatio, double physicalDotsPerInch);

}  // namespace quorlak
