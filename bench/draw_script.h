#pragma once
// The "bare draw" baseline: the canvas calls a stream makes, decoded once in
// advance, so that running them measures drawing alone. Decoding follows the
// records' own rules (points, colours chosen by the screen text, pictures,
// custom characters); what the panels do with the text is left out.

#include <QFont>
#include <QRgb>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display/canvas.h"
#include "session/pictures.h"

namespace quorlak::bench {

struct DrawOp {
    enum class Kind : uint8_t { Clear, Move, Point, Line, Box, Fill, Circle, Text, Picture, ScaledPicture, Pixel };
    Kind kind = Kind::Move;
    int a = 0, b = 0, c = 0, d = 0;  // coordinates, or the picture number in c
    float x = 0, y = 0;              // the current point a Move or Text sets
    QRgb color = 0;
    uint32_t text = 0, length = 0;  // a Text's bytes in the script's arena
};

class DrawScript {
public:
    void run(Canvas& canvas, const Pictures& pictures) const;
    size_t size() const { return ops_.size(); }
    size_t records() const { return records_; }

private:
    friend class DrawDecoder;
    std::vector<DrawOp> ops_;
    std::string arena_;
    size_t records_ = 0;
};

// Decodes `stream`, cut into chunks of `chunk` bytes (0: one chunk), as the
// client would with DELAY off.
DrawScript decodeDrawScript(std::string_view stream, size_t chunk, const Pictures& pictures, const QFont& font);

}  // namespace quorlak::bench
