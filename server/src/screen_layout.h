#pragma once

#include <QString>
#include <array>

// Where everything stands on the 512 x 512 display. The client reads the text
// it is sent by position (the title, the status values, the lists, the
// encounter slots, the messages), so these numbers are part of the protocol;
// the comments say what the client does with each place.
//
// A text line sent at (x, y) is drawn with its top 5 units above y, 8 units a
// character; y is also what the client classifies the line by.
namespace Layout {

constexpr int charWidth = 8;

// Top band, y up to 91. Left of x 170 coral (the line at y 8 becomes the
// window title), grey up to x 300, yellow beyond.
constexpr int titleX = 0;
constexpr std::array<int, 3> topRowY = {8, 24, 40};
constexpr int greyX = 230;  // clear of the treasure chest drawn at 180..221
constexpr int yellowX = 300;
constexpr int questionX = 0;
constexpr int questionY = 56;
constexpr int topBandBottom = 52;  // rows above the question

// The input field: the arrow at (inputX, inputTop + 10), typed text from
// inputX + 16 with its top at inputTop. In the top band, where nothing of the
// client overlaps it and typed text is neither a message nor a list line.
constexpr int inputX = 0;
constexpr int inputTop = 72;
constexpr int inputLength = 60;
constexpr int inputTextX = inputX + 16;
constexpr int inputTextY = inputTop + 5;

// Encounter band, y 92..192: lines starting with a digit 1-4 are creature
// slots; a line from (x0, y0) with both y in 123..145 highlights slot 1 or 2
// (x0 <= 99) or 3 or 4, upper when y0 <= 135.
constexpr int bandTop = 92;
constexpr int bandBottom = 191;
constexpr std::array<int, 2> headerY = {100, 116};
constexpr int headerX = 8;
constexpr std::array<int, 5> slotX = {0, 16, 16, 164, 164};
constexpr std::array<int, 5> slotY = {0, 128, 144, 128, 144};
constexpr std::array<int, 5> markerY = {0, 131, 143, 131, 143};
constexpr int markerLength = 8;  // ends 4 units before the slot text
constexpr int slotWidth = 17;    // characters: slot 3 and 4 end where the pictures start
constexpr std::array<int, 5> pictureX = {0, 300, 300, 346, 346};
constexpr std::array<int, 5> pictureY = {0, 96, 142, 96, 142};
constexpr int pictureSize = 44;
constexpr int logPictureX = 440;  // skull or peace: starts the encounter log
constexpr int logPictureY = 100;
constexpr int encounterEndX = 221;  // a cleared rectangle from this x ends the log
constexpr std::array<int, 2> accountY = {164, 180};
constexpr int accountX = 8;
constexpr int accountWidth = 36;  // characters, left of the pictures
constexpr int userCountX = 392;
constexpr int userCountY = 180;

// Status column, x below 170, y 193..438. The gauge line must be at y 204,
// the food line at 219 (yellow below 60) and the experience line at 264.
constexpr int statusX = 10;
constexpr int statusTop = 200;
constexpr int statusRight = 169;
constexpr int gaugeY = 204;
constexpr int foodY = 219;
constexpr int manaY = 234;
constexpr int levelY = 249;
constexpr int experienceY = 264;
constexpr int goldY = 279;
constexpr int attackY = 294;
constexpr int defenceY = 309;
constexpr int conditionLabelY = 339;
constexpr int conditionX = 80;  // red: x above 70 and y 336..400
constexpr std::array<int, 3> conditionY = {354, 369, 384};
constexpr int statusWidth = 20;  // characters of a status line

// List column, x from 170, y 193..438. Lines "NN." fill the client's list,
// a "B" right after one marks it, and so does a small box with y0 above 200.
// Any other line hides the list so the screen below can be seen.
constexpr int listLeft = 170;
constexpr int listTop = 200;
constexpr int listBottom = 438;
constexpr int listX = 176;
constexpr int listHeadingY = 208;
constexpr int listFirstLineY = 223;
constexpr int listLineStep = 15;
constexpr int pageSize = 14;
constexpr int pageCount = 6;
constexpr int bankMarkX = 480;
constexpr int wornMarkX = 496;
constexpr int listColumnWidth = 41;  // characters from listX

// The map, in the list column below its heading.
constexpr int mapX = 178;
constexpr int mapY = 220;
constexpr int cellSize = 16;

// Player band, y 439..452: "Player is ..." lines. Clearing from y 436
// brings the client's tab strip back.
constexpr int playerNoteX = 8;
constexpr int playerNoteY = 446;
constexpr int tabStripTop = 436;

// Message band, y above 452. The client drops each line's first character.
constexpr int messageX = 4;
constexpr std::array<int, 3> messageY = {464, 480, 496};

int listLineY(int indexOnPage);

// Text lines in the forms the client takes apart.
QString withThousands(qint64 value);
QString statusLine(const QString& label, const QString& value);
QString gaugeLine(int now, int maximum);
QString foodLine(int food);
QString experienceLine(qint64 experience);
QString listLine(int number, const QString& text);
QString slotLine(int slot, const QString& name, const QString& state);
QString userCountLine(int users);
QString talkLine(QChar kind, const QString& name, const QString& text);
QString treasureLine(const QString& treasure);
QString noticeLine(const QString& text);
QString ownSpeechLine(const QString& text);
}  // namespace Layout
