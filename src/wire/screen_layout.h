#pragma once
// The places on the game's 512 x 512 screen that carry a meaning, in display
// units (origin top-left, y downward). The client reads the server's screen by
// them; the stand-in server draws by them. Plain numbers only: no Qt here.

#include <cstdint>

namespace quorlak::screen {

// The display: one unit per pixel, the server's numbers used unchanged.
constexpr int kDisplaySize = 512;
// The desktop's twips (1/1440 inch) per pixel, in which the grids report pointer positions.
constexpr int kTwipsPerPixel = 15;

// --- text lines, by their height above the bottom edge (kDisplaySize - y) ---
// Below this height: the message band (messages, chat, treasure lines).
constexpr int kMessageBandTop = 60;
// Up to this height: the player's own lines (they cover the tab strip's place).
constexpr int kPlayerBandTop = 73;
// Up to this height: the status column on the left, the list column on the right.
constexpr int kColumnsTop = 319;
// Up to this height: the encounter band; above it the top band.
constexpr int kEncounterBandTop = 420;
// x at which the status column gives way to the list column, and the top band's left part ends.
constexpr int kColumnSplitX = 170;
// From this x the top band's text is the right-hand part.
constexpr int kTopBandRightX = 300;
// A top-band line above this y is the window's caption.
constexpr int kCaptionBelowY = 16;

// --- the status column, by exact y ---
constexpr int kThresholdRow = 219;  // a value under 60 from character 18 on is shown in yellow
constexpr int kExperienceRow = 264;
constexpr int kExperienceLabelX = 11;  // the experience row's label, not its value
constexpr int kGaugeRow = 204;
constexpr int kGaugeLineX = 10;  // where the gauge line is printed after its bar
constexpr int kGaugeBarTop = 198;
constexpr int kGaugeBarBottom = 199;
// Status lines right of this x, between these heights, are warnings shown in red.
constexpr int kWarningFromX = 70;
constexpr int kWarningAboveHeight = 111;
constexpr int kWarningBelowHeight = 177;

// --- the list column ---
// The server's list pages hold this many lines.
constexpr int kListPageLines = 14;
// The bulk inventory request asks for this many pages.
constexpr int kBulkPages = 6;
// A box record smaller than this (width + height) below kItemMarkBelowY marks an item row.
constexpr int kItemMarkExtent = 21;
constexpr int kItemMarkBelowY = 200;

// --- the encounter band ---
// Slot lines are underlined by line records within this band of y.
constexpr int16_t kSlotBandTop = 123;
constexpr int16_t kSlotBandBottom = 145;
// Slots 1 and 2 lie left of this x (inclusive), 3 and 4 right of it.
constexpr int kSlotLeftColumnX = 99;
// Slots 2 and 4 lie below this y.
constexpr int kSlotUpperRowY = 135;
constexpr int kSlotCount = 4;

// --- places the clear-rectangle record treats specially, by its first point ---
constexpr int16_t kTabStripRow = 436;    // clearing here brings the tab strip back
constexpr int16_t kEncounterEndX = 221;  // clearing from this x ends the encounter
constexpr int16_t kChestClearX = 255;    // clearing from this x clears the chest's place
constexpr int kChestLeft = 180, kChestTop = 40, kChestRight = 221, kChestBottom = 69;
// A chest picture drawn this low or lower is drawn nowhere.
constexpr int kChestLowestY = 222;

// --- pictures ---
constexpr int kFirstCreaturePicture = 1;
constexpr int kLastCreaturePicture = 15;
constexpr int kChestPicture = 20;
constexpr int kNaturalSizePicture = 21;
constexpr int kFirstEncounterPicture = 22;  // 22 and 23 start an encounter
constexpr int kLastEncounterPicture = 23;
constexpr int kCreatureSize = 44;
// A creature placed at this x is drawn at kCreatureX.
constexpr int kCreatureNudgedX = 322;
constexpr int kCreatureX = 300;
constexpr int kEncounterPictureSize = 32;

// --- text ---
constexpr int kCellWidth = 8;  // the stream's text cell
constexpr int kCellHeight = 16;
constexpr int kTextRaise = 5;  // a text line's top lies this far above the current point

// --- the input field ---
// The field's marker sits at the current point; the entry box's corner lies this far off it.
constexpr int kFieldBoxOffsetX = 16;
constexpr int kFieldBoxOffsetY = -10;
// The input-field record's point lies this far above the marker.
constexpr int kFieldMarkerDrop = 10;
// An input position here puts the entry box at the left edge.
constexpr int kLeftEdgeFieldX = 92;
constexpr int kLeftEdgeFieldY = 129;

}  // namespace quorlak::screen
