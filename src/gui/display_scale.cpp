#include "gui/display_scale.h"

#include <algorithm>
#include <cmath>

#include "wire/screen_layout.h"

namespace quorlak {

namespace {

// Rounding slack for conversions that must give whole units back.
constexpr double kSlack = 1e-9;
constexpr double kFarEdge = 1 << 30;
constexpr double kDenseRatio = 1.5;
constexpr double kDenseDotsPerInch = 144;

}  // namespace

DisplayScale::DisplayScale(int zoom, double devicePixelRatio)
    : zoom_(std::max(1, zoom)), ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1) {}

int DisplayScale::toLogical(int units) const { return static_cast<int>(std::ceil(units * factor() - kSlack)); }

QSize DisplayScale::toLogical(QSize units) const { return {toLogical(units.width()), toLogical(units.height())}; }

QRect DisplayScale::toLogical(const Geometry& units) const {
    // A box moved without bounds may lie far off; its edges stay in range.
    auto edge = [this](long long u) {
        return static_cast<int>(std::clamp(std::round(static_cast<double>(u) * factor()), -kFarEdge, kFarEdge));
    };
    const int left = edge(units.left);
    const int top = edge(units.top);
    const int right = edge(static_cast<long long>(units.left) + std::max(0, units.width));
    const int bottom = edge(static_cast<long long>(units.top) + std::max(0, units.height));
    return {left, top, right - left, bottom - top};
}

QRect DisplayScale::pictureToLogical(const QRect& units) const {
    if (units.isEmpty()) return {};
    const int left = static_cast<int>(std::floor(units.left() * factor()));
    const int top = static_cast<int>(std::floor(units.top() * factor()));
    const int right = static_cast<int>(std::ceil((units.right() + 1) * factor()));
    const int bottom = static_cast<int>(std::ceil((units.bottom() + 1) * factor()));
    return {left, top, right - left, bottom - top};
}

int DisplayScale::toUnits(double logical) const { return static_cast<int>(std::floor(logical / factor() + kSlack)); }

int DisplayScale::toTwips(double logical) const {
    return static_cast<int>(std::floor(logical * screen::kTwipsPerPixel / factor() + kSlack));
}

int DisplayScale::fontPixels(int pixelsAtOne) const {
    return std::max(1, static_cast<int>(std::lround(pixelsAtOne * factor())));
}

int defaultZoom(double devicePixelRatio, double physicalDotsPerInch) {
    return devicePixelRatio >= kDenseRatio || physicalDotsPerInch >= kDenseDotsPerInch ? 2 : 1;
}

}  // namespace quorlak
