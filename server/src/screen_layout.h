#pragma once
// Where everything stands on the 512 x 512 display. The client reads the text
// it is sent by position (the title, the status values, the lists, the
// encounter slots, the messages) and gives some drawings side duties, so the
// first group of numbers below is part of the protocol: the places and
// thresholds the client applies. The second group is this server's own
// choice of where to draw inside the regions the first group leaves.
//
// A text line sent at (x, y) is drawn with its top 5 units above y, 8 units a
// character; y is also what the client classifies the line by.

#include <array>

namespace quorlak::server::layout {

// --- Read by the client ----------------------------------------------------

constexpr int kDisplayRight = 511;
constexpr int kCharWidth = 8;
constexpr int kTextTopAbove = 5;      // a line's cells start this far above its y
constexpr int kTextBottomBelow = 11;  // and end this far below it

// Top band, y up to 91: a line above y 16 and left of x 170 becomes the window
// title; lines are coral left of x 170, grey up to x 300, yellow beyond.
constexpr int kTitleBelowY = 16;
constexpr int kYellowFromX = 300;

// The input field: its arrow at (x, top + 10), the typed text from x + 16.
constexpr int kInputTextIndent = 16;

// Encounter band, y 92..191: lines starting with a digit 1-4 are creature
// slots; a line from (x0, y0) with both y in 123..145 highlights slot 1 or 2
// (x0 <= 99) or 3 or 4, upper when y0 <= 135. A cleared rectangle from x 221
// ends the encounter log.
constexpr int kBandTop = 92;
constexpr int kBandBottom = 191;
constexpr int kEncounterEndX = 221;

// Status column, x below 170, y 193..438: the gauge line at y 204, the food
// line at 219 (yellow below 60), the experience line at 264; text with x
// above 70 and y 336..400 is red.
constexpr int kGaugeY = 204;
constexpr int kFoodY = 219;
constexpr int kExperienceY = 264;

// List column, x from 170, y 193..438. Lines "NN." fill the client's list of
// six pages of fourteen, a "B" right after one marks it, and so does a small
// box with y0 above 200. Any other line hides the list so the screen below
// can be seen.
constexpr int kListLeft = 170;
constexpr int kListBottom = 438;
constexpr int kPageSize = 14;
constexpr int kPageCount = 6;

// Player band, y 439..452: "Player is ..." lines. Clearing from y 436 brings
// the client's tab strip back.
constexpr int kTabStripTop = 436;

// The treasure chest's fixed place; the picture shows only when drawn from a
// y above 222, and a clear from x 255 erases the place.
constexpr int kChestLeft = 180;
constexpr int kChestTop = 40;
constexpr int kChestRight = 221;
constexpr int kChestBottom = 69;
constexpr int kChestClearX = 255;

// Message band, y above 452. The client drops each line's first character.

// --- This server's placements --------------------------------------------

// Top band: three rows of coral, grey and yellow text, then the question and
// the input field, where nothing of the client overlaps it and typed text is
// neither a message nor a list line.
constexpr int kTitleX = 0;
constexpr std::array<int, 3> kTopRowY = {8, 24, 40};
constexpr int kTopTextWidth = 22;  // characters left of the chest
constexpr int kGreyX = 230;        // clear of the chest
constexpr int kYellowX = kYellowFromX;
constexpr int kTopBandBottom = 52;  // rows above the question
constexpr int kQuestionX = 0;
constexpr int kQuestionY = 56;
constexpr int kInputX = 0;
constexpr int kInputTop = 72;
constexpr int kInputLength = 60;
constexpr int kInputTextX = kInputX + kInputTextIndent;
constexpr int kInputTextY = kInputTop + kTextTopAbove;

// Encounter band: the headline, the foe slots with their markers, the
// pictures, the running account and the user count.
constexpr std::array<int, 2> kHeadlineY = {100, 116};
constexpr int kHeadlineX = 8;
constexpr std::array<int, 5> kSlotX = {0, 16, 16, 164, 164};
constexpr std::array<int, 5> kSlotY = {0, 128, 144, 128, 144};
constexpr std::array<int, 5> kMarkerY = {0, 131, 143, 131, 143};
constexpr int kMarkerIndent = 12;  // left of the slot text
constexpr int kMarkerLength = 8;   // ends 4 units before the slot text
constexpr int kSlotWidth = 17;     // characters: slot 3 and 4 end where the pictures start
constexpr std::array<int, 5> kPictureX = {0, 300, 300, 346, 346};
constexpr std::array<int, 5> kPictureY = {0, 96, 142, 96, 142};
constexpr int kPictureSize = 44;
constexpr int kLogPictureX = 440;  // skull or peace: starts the encounter log
constexpr int kLogPictureY = 100;
constexpr std::array<int, 2> kAccountY = {164, 180};
constexpr int kAccountX = 8;
constexpr int kAccountWidth = 36;  // characters, left of the pictures
constexpr int kUserCountX = 392;
constexpr int kUserCountY = 180;
constexpr int kUserCountWidth = 15;

// Status column.
constexpr int kStatusX = 10;
constexpr int kStatusTop = 200;
constexpr int kStatusRight = kListLeft - 1;
constexpr int kManaY = 234;
constexpr int kLevelY = 249;
constexpr int kGoldY = 279;
constexpr int kAttackY = 294;
constexpr int kDefenceY = 309;
constexpr int kConditionLabelY = 339;
constexpr int kConditionX = 80;  // in the red place
constexpr std::array<int, 3> kConditionY = {354, 369, 384};
constexpr int kConditionWidth = 11;
constexpr int kStatusWidth = 20;  // characters of a status line

// List column.
constexpr int kListTop = 200;
constexpr int kListX = 176;
constexpr int kListHeadingY = 208;
constexpr int kListFirstLineY = 223;
constexpr int kListLineStep = 15;
constexpr int kBankMarkX = 480;
constexpr int kWornMarkX = 496;
constexpr int kWornMarkSize = 8;
constexpr int kListColumnWidth = 41;  // characters from kListX

// The map, in the list column below its heading.
constexpr int kMapX = 178;
constexpr int kMapY = 220;
constexpr int kCellSize = 16;

// Player band.
constexpr int kPlayerNoteX = 8;
constexpr int kPlayerNoteY = 446;
constexpr int kPlayerNoteWidth = 62;

// Message band.
constexpr int kMessageX = 4;
constexpr std::array<int, 3> kMessageY = {464, 480, 496};
constexpr int kMessageWidth = 63;

// The y of a line of a list page, from 0.
constexpr int listLineY(int indexOnPage) { return kListFirstLineY + indexOnPage * kListLineStep; }

}  // namespace quorlak::server::layout
