#pragma once
// The "fill bound": the least drawing can cost. The pixels a recorded
// drawing writes, as runs along its rows in the order it writes them, are
// written again with plain stores and nothing else: no clipping, no glyphs,
// no damage, no calls per primitive.

#include <QRect>
#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "canvas/canvas.h"

namespace quorlak::bench {

class DrawRecorder;

class FillBound {
public:
    static constexpr int kSize = Canvas::kSize;

    // Finds the runs each of the recorder's calls writes, by making each call
    // again on a canvas of a colour no call uses.
    explicit FillBound(const DrawRecorder& recorder);

    // Writes every run, in order, on a kSize x kSize picture (rows back to back).
    void run(QRgb* pixels) const;

    size_t runs() const { return runs_.size(); }
    uint64_t pixels() const { return pixels_; }

private:
    struct Run {
        uint32_t start;   // y * kSize + x
        uint32_t length;  // pixels; a picture's run has the top bit set
        uint32_t value;   // the colour, or a picture's run's first colour in copied_
    };
    static constexpr uint32_t kCopied = uint32_t{1} << 31;

    void takeRuns(const Canvas& canvas, const QRect& area, std::optional<QRgb> color);

    std::vector<Run> runs_;
    std::vector<QRgb> copied_;  // the pixels of pictures, which have many colours
    uint64_t pixels_ = 0;
};

}  // namespace quorlak::bench
