#include "fill_bound.h"

#include <algorithm>
#include <cstring>

#include "bench_support.h"
#include "draw_recorder.h"

namespace quorlak::bench {
namespace {

// Colours no call of a game session draws in: the canvas under each call,
// and what the call draws in instead of its own colour.
constexpr QRgb kUntouched = 0xff0a0b0c;
constexpr QRgb kWritten = 0xff0c0b0a;

}  // namespace

FillBound::FillBound(const DrawRecorder& recorder) {
    Canvas canvas;
    canvas.setFont(assets().font);
    canvas.fillBox(0, 0, kSize - 1, kSize - 1, kUntouched);
    canvas.takeDamage();
    for (size_t call = 0; call < recorder.calls(); ++call) {
        const std::optional<QRgb> color = recorder.callColor(call);
        recorder.replayCall(canvas, call, color ? std::optional<QRgb>(kWritten) : std::nullopt);
        const QRect area = canvas.takeDamage();
        if (area.isEmpty()) continue;
        takeRuns(canvas, area, color);
        canvas.fillBox(area.left(), area.top(), area.right(), area.bottom(), kUntouched);
        canvas.takeDamage();
    }
}

// Every pixel a call changed lies in the area it reports as changed.
void FillBound::takeRuns(const Canvas& canvas, const QRect& area, std::optional<QRgb> color) {
    const QImage& image = canvas.image();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right();) {
            if (row[x] == kUntouched) {
                ++x;
                continue;
            }
            const int start = x;
            while (x <= area.right() && row[x] != kUntouched) ++x;
            const auto length = uint32_t(x - start);
            const auto at = uint32_t(y * kSize + start);
            if (color) {
                runs_.push_back({at, length, *color | 0xff000000u});
            } else {
                runs_.push_back({at, length | kCopied, uint32_t(copied_.size())});
                copied_.insert(copied_.end(), row + start, row + x);
            }
            pixels_ += length;
        }
    }
}

void FillBound::run(QRgb* pixels) const {
    const QRgb* copied = copied_.data();
    for (const Run& r : runs_) {
        if (r.length & kCopied) std::memcpy(pixels + r.start, copied + r.value, (r.length & ~kCopied) * sizeof(QRgb));
        else std::fill_n(pixels + r.start, r.length, r.value);
    }
}

}  // namespace quorlak::bench
