#include "panels.h"

#include "character.h"
#include "glyphs.h"
#include "screen_layout.h"
#include "screen_lines.h"

namespace quorlak::server::panels {

using namespace layout;

namespace {

constexpr int kInputFieldBottomBelow = 18;  // the field's clear, below its top
constexpr int kGreyLeftMargin = 4;

void drawColumn(RecordWriter& out, int x, const QStringList& lines, int width) {
    for (int i = 0; i < lines.size() && i < int(kTopRowY.size()); ++i) out.textAt(x, kTopRowY[i], lines[i].left(width));
}

}  // namespace

void clearLine(RecordWriter& out, int x, int y, int characters) {
    out.clearRect(x, y - kTextTopAbove, x + characters * kCharWidth - 1, y + kTextBottomBelow);
}

void drawTopBand(RecordWriter& out, const TopBand& band) {
    // Three clears that keep out of the treasure chest.
    out.clearRect(0, 0, kChestLeft - 1, kTopBandBottom);
    out.clearRect(kGreyX - kGreyLeftMargin, 0, kYellowX - 1, kTopBandBottom);
    out.clearRect(kYellowX, 0, kDisplayRight, kTopBandBottom);
    out.textAt(kTitleX, kTopRowY[0], band.title.left(kTopTextWidth));
    for (int i = 0; i < band.left.size() && i + 1 < int(kTopRowY.size()); ++i)
        out.textAt(kTitleX, kTopRowY[i + 1], band.left[i].left(kTopTextWidth));
    drawColumn(out, kGreyX, band.grey, (kYellowX - kGreyX) / kCharWidth);
    drawColumn(out, kYellowX, band.yellow, (kDisplayRight + 1 - kYellowX) / kCharWidth);
}

void drawQuestion(RecordWriter& out, const QString& question) {
    clearLine(out, kQuestionX, kQuestionY, kTopTextWidth);
    if (!question.isEmpty()) out.textAt(kQuestionX, kQuestionY, question.left(kTopTextWidth));
}

void placeInput(RecordWriter& out, const QString& question, int length) {
    drawQuestion(out, question);
    out.clearRect(kInputX, kInputTop - 1, kDisplayRight, kInputTop + kInputFieldBottomBelow);
    out.placeInput(kInputX, kInputTop, length);
}

void echoInput(RecordWriter& out, const QString& typed) {
    // Always from the field's start: the whole line then stays in one colour.
    out.moveTo(kInputTextX, kInputTextY);
    out.textOver(typed);
}

void eraseInput(RecordWriter& out, int position) {
    // Not the client's own erase, which leaves the lowest rows of the letters.
    out.clearRect(kInputTextX + (position - 1) * kCharWidth, kInputTop - 1, kDisplayRight,
                  kInputTop + kInputFieldBottomBelow);
}

void drawStatusColumn(RecordWriter& out, const Character& character, const QStringList& conditions) {
    // From the client's health bar down: the gauge line's cells reach into it,
    // and the client draws the bar again as it reads that line.
    out.clearRect(0, screen::kGaugeBarTop, kStatusRight, kListBottom);
    out.textAt(kStatusX, kGaugeY, gaugeLine(character.health, character.maxHealth()));
    out.textAt(kStatusX, kFoodY, foodLine(character.food));
    out.textAt(kStatusX, kManaY,
               statusLine("Mana:", QStringLiteral("%1/%2").arg(character.mana).arg(character.maxMana())));
    out.textAt(kStatusX, kLevelY, statusLine("Level:", QString::number(character.level)));
    out.textAt(kStatusX, kExperienceY, experienceLine(character.experience));
    out.textAt(kStatusX, kGoldY, statusLine("Gold:", withThousands(character.gold)));
    out.textAt(kStatusX, kAttackY, statusLine("Attack:", QString::number(character.attack())));
    out.textAt(kStatusX, kDefenceY, statusLine("Defence:", QString::number(character.defence())));
    out.textAt(kStatusX, kConditionLabelY, QStringLiteral("Condition:"));
    for (int i = 0; i < conditions.size() && i < int(kConditionY.size()); ++i)
        out.textAt(kConditionX, kConditionY[i], conditions[i].left(kConditionWidth));
}

void drawPlayerNote(RecordWriter& out, const QString& note) {
    clearLine(out, kPlayerNoteX, kPlayerNoteY, kPlayerNoteWidth);
    out.textAt(kPlayerNoteX, kPlayerNoteY, note.left(kPlayerNoteWidth));
}

void clearPlayerNote(RecordWriter& out) {
    // Starting at this y also gives the client its tab strip back.
    out.clearRect(0, kTabStripTop, kDisplayRight, kPlayerNoteY + kTextBottomBelow);
}

void drawUserCount(RecordWriter& out, int users) {
    clearLine(out, kUserCountX, kUserCountY, kUserCountWidth);
    out.textAt(kUserCountX, kUserCountY, userCountLine(users));
}

void showChest(RecordWriter& out) {
    out.moveTo(kChestLeft, kChestTop);
    out.drawPicture(picture::Chest);
}

void hideChest(RecordWriter& out) {
    // A clear from this x is the client's cue to erase the chest's place; the
    // rest of the rectangle does not matter.
    out.clearRect(kChestClearX, kChestTop, kChestLeft, kChestBottom);
}

}  // namespace quorlak::server::panels
