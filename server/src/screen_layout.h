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

#include "wire/screen_layout.h"

namespace quorlak::server::layout {

// --- Read by the client: the shared places, in the forms this server draws by ---

constexpr int kDisplayRight = screen::kDisplaySize - 1;
constexpr int kCharWidth = screen::kCellWidth;
constexpr int kTextTopAbove = screen::kTextRaise;  // a line's cells start this far above its y
constexpr int kTextBottomBelow =
    screen::kCellHeight - screen::kTextRaise - 1;  // and their last row lies this far below it

// Top band: a line above kTitleBelowY and left of the column split becomes the
// window title; lines are coral left of the split, grey up to kYellowFromX, yellow beyond.
constexpr int kTitleBelowY = screen::kCaptionBelowY;
constexpr int kYellowFromX = screen::kTopBandRightX;

// The input field: its arrow at (x, top + 10), the typed text from x + 16.
constexpr int kInputTextIndent = screen::kFieldBoxOffsetX;

// Encounter band: lines starting with a digit 1-4 are creature slots; a line
// with both y in the slot band highlights a slot. This server keeps the band's
// last row free.
constexpr int kBandTop = screen::kDisplaySize - screen::kEncounterBandTop;
constexpr int kBandBottom = screen::kDisplaySize - screen::kColumnsTop - 2;
constexpr int kEncounterEndX = screen::kEncounterEndX;

// Status column (left of the split): the gauge, food and experience rows.
constexpr int kGaugeY = screen::kGaugeRow;
constexpr int kFoodY = screen::kThresholdRow;
constexpr int kExperienceY = screen::kExperienceRow;

// List column (from the split): lines "NN." fill the client's list of pages,
// a "B" right after one marks it, and so does a small box low down. Any other
// line hides the list so the screen below can be seen. The column ends where
// the player band begins.
constexpr int kListLeft = screen::kColumnSplitX;
constexpr int kListBottom = screen::kDisplaySize - screen::kPlayerBandTop - 1;
constexpr int kPageSize = screen::kListPageLines;
constexpr int kPageCount = screen::kBulkPages;

// Player band: "Player is ..." lines. Clearing from the tab-strip row brings
// the client's tab strip back.
constexpr int kTabStripTop = screen::kTabStripRow;

// The treasure chest's fixed place; the picture shows only when drawn above
// the chest's lowest y, and a clear from kChestClearX erases the place.
constexpr int kChestLeft = screen::kChestLeft;
constexpr int kChestTop = screen::kChestTop;
constexpr int kChestRight = screen::kChestRight;
constexpr int kChestBottom = screen::kChestBottom;
constexpr int kChestClearX = screen::kChestClearX;

// Message band, below the player band. The client drops each line's first character.

// --- This server's placements --------------------------------------------

// Top band: three rows of coral, grey and yellow text, then the question and
// the input field, where nothing of the client overlaps it and typed text is
// neither a message nor a list line.
constexpr int kTitleX = 0;
constexpr std::array<int, 3> kTopRowY = {8, 24, 40};
constexpr int kTopTextWidth = 22;  // characters left of the chest
constexpr int kGreyX = 230;        // clear of the chest
constexpr int kYellowX = kYellowFromX;
constexpr int kTopBandBottom = 50;  // rows above the question
constexpr int kQuestionX = 0;
constexpr int kQuestionY = 56;
constexpr int kInputX = 0;
constexpr int kInputTop = 72;
constexpr int kInputLength = 60;
constexpr int kInputTextX = kInputX + kInputTextIndent;
constexpr int kInputTextY = kInputTop + kTextTopAbove;

// Encounter band: the headline, the foe slots with their markers, the
// pictures, the running account and the user count.
// Every text row below owns its cells alone, so clearing one never cuts another.
constexpr std::array<int, 2> kHeadlineY = {97, 113};
constexpr int kHeadlineX = 8;
constexpr std::array<int, 5> kSlotX = {0, 16, 16, 164, 164};
constexpr std::array<int, 5> kSlotY = {0, 129, 145, 129, 145};
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
// Headings start under the client's item list (its narrow form begins at x 182),
// so none of their letters peeks out beside it.
constexpr int kListHeadingX = 184;
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
