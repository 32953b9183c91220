#include "panels.h"

#include "character.h"
#include "glyphs.h"
#include "screen_layout.h"

namespace Panels {

using namespace Layout;

void clearLine(RecordWriter& out, int x, int y, int characters) {
    out.clearRect(x, y - 5, x + characters * charWidth - 1, y + 11);
}

namespace {

void drawColumn(RecordWriter& out, int x, const QStringList& lines, int width) {
    for (int i = 0; i < lines.size() && i < int(topRowY.size()); ++i) out.textAt(x, topRowY[i], lines[i].left(width));
}

}  // namespace

void drawTopBand(RecordWriter& out, const TopBand& band) {
    // Three clears that keep out of the treasure chest at 180..221.
    out.clearRect(0, 0, 179, topBandBottom);
    out.clearRect(greyX - 4, 0, yellowX - 1, topBandBottom);
    out.clearRect(yellowX, 0, 511, topBandBottom);
    out.textAt(titleX, topRowY[0], band.title.left(22));
    for (int i = 0; i < band.left.size() && i + 1 < int(topRowY.size()); ++i)
        out.textAt(titleX, topRowY[i + 1], band.left[i].left(22));
    drawColumn(out, greyX, band.grey, (yellowX - greyX) / charWidth);
    drawColumn(out, yellowX, band.yellow, (512 - yellowX) / charWidth);
}

void drawQuestion(RecordWriter& out, const QString& question) {
    clearLine(out, questionX, questionY, 22);
    if (!question.isEmpty()) out.textAt(questionX, questionY, question.left(22));
}

void placeInput(RecordWriter& out, int length) {
    out.clearRect(inputX, inputTop - 1, 511, inputTop + 18);
    out.placeInput(inputX, inputTop, length);
}

void echoInput(RecordWriter& out, const QString& typed) {
    // Always from the field's start: the whole line then stays in one colour.
    out.moveTo(inputTextX, inputTextY);
    out.textOver(typed);
}

void eraseInput(RecordWriter& out, int position) { out.eraseInput(position); }

void drawStatusColumn(RecordWriter& out, const Character& c, const QStringList& conditions) {
    out.clearRect(0, statusTop, statusRight, listBottom);
    out.textAt(statusX, gaugeY, gaugeLine(c.health, c.maxHealth()));
    out.textAt(statusX, foodY, foodLine(c.food));
    out.textAt(statusX, manaY, statusLine("Mana:", QStringLiteral("%1/%2").arg(c.mana).arg(c.maxMana())));
    out.textAt(statusX, levelY, statusLine("Level:", QString::number(c.level)));
    out.textAt(statusX, experienceY, experienceLine(c.experience));
    out.textAt(statusX, goldY, statusLine("Gold:", withThousands(c.gold)));
    out.textAt(statusX, attackY, statusLine("Attack:", QString::number(c.attack())));
    out.textAt(statusX, defenceY, statusLine("Defence:", QString::number(c.defence())));
    out.textAt(statusX, conditionLabelY, QStringLiteral("Condition:"));
    for (int i = 0; i < conditions.size() && i < int(conditionY.size()); ++i)
        out.textAt(conditionX, conditionY[i], conditions[i].left(11));
}

void drawPlayerNote(RecordWriter& out, const QString& note) {
    clearLine(out, playerNoteX, playerNoteY, 62);
    out.textAt(playerNoteX, playerNoteY, note.left(62));
}

void clearPlayerNote(RecordWriter& out) {
    // Starting at this y also gives the client its tab strip back.
    out.clearRect(0, tabStripTop, 511, playerNoteY + 7);
}

void drawUserCount(RecordWriter& out, int users) {
    clearLine(out, userCountX, userCountY, 15);
    out.textAt(userCountX, userCountY, userCountLine(users));
}

void showChest(RecordWriter& out) {
    // The chest picture has a fixed place; it is drawn only from a y above 222.
    out.moveTo(180, 40);
    out.drawPicture(Picture::Chest);
}

void hideChest(RecordWriter& out) {
    // A clear from x 255 is the client's cue to erase the chest's place.
    out.clearRect(255, 40, 180, 69);
}

LinePager::LinePager(int x, QList<int> rowsY, int width) : x_(x), rowsY_(std::move(rowsY)), width_(width) {}

void LinePager::add(RecordWriter& out, const QString& line) {
    if (next_ == 0) {
        const int top = rowsY_[0] - 5;
        const int bottom = rowsY_.last() + 11;
        out.clearRect(x_, top, x_ + width_ * charWidth - 1, bottom);
    }
    out.textAt(x_, rowsY_[next_], line);
    next_ = (next_ + 1) % rowsY_.size();
}

}  // namespace Panels
