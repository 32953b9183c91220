#pragma once
// The state that every handler of the main window shares, as one plain struct,
// and the few process-wide settings. Names and integer widths follow the game's
// own conventions so that overflow behaves as players know it.

#include <array>
#include <cstdint>
#include <string>

namespace quorlak {

// Custom character bitmaps: glyphs[n][c][r] is column c (1..16), row r (1..33)
// of character n (0..30); index 0 of column and row is never used.
constexpr int kGlyphCount = 31;
constexpr int kGlyphColumns = 16;
constexpr int kGlyphRows = 33;

struct GlobalVars {
    std::string serverhost;
    int16_t serverport = 0;
    int16_t glyphs[kGlyphCount][kGlyphColumns + 1][kGlyphRows + 1] = {};
};

struct ClientState {
    bool frozen = false;
    bool delaymode = false;  // switched on by the load step
    std::string rxtail;      // unfinished record of the last chunk
    bool cdseen = false;     // the game screen has begun
    int32_t expnow = 0;
    int32_t expstart = 0;  // 0 = no baseline
    bool logging = false;
    int16_t gaugenow = 0;
    int16_t gaugemax = 0;
    int16_t boxleft = 0;  // text entry box corner; both 0 while hidden
    int16_t boxtop = 0;
    int16_t boxlen = 0;
    bool textboxmode = false;
    uint8_t itemsexpected = 0;
    bool scrolling = false;
    int16_t itemnum = 0;
    uint8_t itempick = 0;
    uint8_t xchgitem = 0;
    uint8_t itemsheight = 0;
    std::array<std::string, 5> slottext{};  // index 0 unused
    std::array<int16_t, 5> slotx{};
    std::array<int16_t, 5> sloty{};
    uint8_t lasttoprow = 0;
    uint8_t lastusers = 0;
};

// The point lists that record arguments decode into; they live for one
// received chunk, so a record that gives fewer numbers inherits the rest.
struct Points {
    int16_t x[2] = {0, 0};
    int16_t y[2] = {0, 0};
};

}  // namespace quorlak
