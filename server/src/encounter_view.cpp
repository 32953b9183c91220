#include "encounter_view.h"

#include "catalog.h"
#include "fight.h"
#include "glyphs.h"
#include "panels.h"
#include "screen_layout.h"

namespace EncounterView {

using namespace Layout;

namespace {

// Regions of the band, chosen so the account rows below the slots and the
// user count at the bottom right survive the start and the end of a fight.
constexpr int textRight = pictureX[1] - 1;
constexpr int slotsBottom = slotY[2] + 12;
constexpr int picturesRight = userCountX - 1;
constexpr int logPictureBottom = userCountY - 8;

QString slotState(const Foe& foe) {
    switch (foe.state) {
        case Foe::State::Fighting: return QString::number(foe.health);
        case Foe::State::Dead: return QStringLiteral("--");
        case Foe::State::Gone: return QStringLiteral("..");
    }
    return {};
}

}  // namespace

void drawHeadline(RecordWriter& out, const QString& first, const QString& second) {
    for (int i = 0; i < 2; ++i) Panels::clearLine(out, headerX, headerY[i], accountWidth);
    out.textAt(headerX, headerY[0], first.left(accountWidth));
    if (!second.isEmpty()) out.textAt(headerX, headerY[1], second.left(accountWidth));
}

void drawStart(RecordWriter& out, const Fight& fight) {
    out.clearRect(0, bandTop, textRight, slotsBottom);
    out.clearRect(pictureX[1], bandTop, picturesRight, bandBottom);
    out.clearRect(userCountX, bandTop, 511, logPictureBottom);
    // Either picture opens the client's log of this encounter.
    out.moveTo(logPictureX, logPictureY);
    out.drawPicture(fight.isPeaceful() ? Picture::Peace : Picture::SkullAndBones);
    drawHeadline(out, fight.opening(),
                 fight.isPeaceful() ? QStringLiteral("G gives, arrows walk on.")
                                    : QStringLiteral("Enter attacks, arrows flee."));
    for (int slot = 1; slot <= fight.foes.size(); ++slot) {
        drawSlot(out, fight, slot);
        drawPicture(out, fight, slot);
    }
    if (!fight.isPeaceful()) drawMarker(out, fight.target);
}

void drawSlot(RecordWriter& out, const Fight& fight, int slot) {
    const Foe& foe = fight.foes[slot - 1];
    Panels::clearLine(out, slotX[slot], slotY[slot], slotWidth);
    out.textAt(slotX[slot], slotY[slot], slotLine(slot, creatureType(foe.type).name, slotState(foe)));
}

void drawMarker(RecordWriter& out, int slot) {
    // The client repaints the slot's line in red when this line is drawn.
    const int x = slotX[slot] - 12;
    out.line(x, markerY[slot], x + markerLength, markerY[slot]);
}

void clearMarker(RecordWriter& out, int slot) {
    const int x = slotX[slot] - 12;
    out.clearRect(x, markerY[slot] - 1, x + markerLength, markerY[slot] + 1);
}

void drawPicture(RecordWriter& out, const Fight& fight, int slot) {
    const Foe& foe = fight.foes[slot - 1];
    if (!foe.isFighting()) return;
    out.moveTo(pictureX[slot], pictureY[slot]);
    out.drawPicture(creatureType(foe.type).picture);
}

void clearPicture(RecordWriter& out, int slot) {
    out.clearRect(pictureX[slot], pictureY[slot], pictureX[slot] + pictureSize, pictureY[slot] + pictureSize);
}

void flashHit(RecordWriter& out, const Fight& fight, int slot) {
    const int half = pictureSize / 2;
    out.circle(pictureX[slot] + half, pictureY[slot] + half, half);
    out.pause(flashPause);
    clearPicture(out, slot);
    drawPicture(out, fight, slot);
}

void flashAttacker(RecordWriter& out, const Fight& fight, int slot) {
    out.box(pictureX[slot], pictureY[slot], pictureX[slot] + pictureSize, pictureY[slot] + pictureSize);
    out.pause(flashPause);
    clearPicture(out, slot);
    drawPicture(out, fight, slot);
}

void showDeath(RecordWriter& out, int slot) {
    const int x = pictureX[slot];
    const int y = pictureY[slot];
    out.line(x, y, x + pictureSize, y + pictureSize);
    out.line(x + pictureSize, y, x, y + pictureSize);
    out.pause(deathPause);
    clearPicture(out, slot);
}

void drawBolt(RecordWriter& out, const Fight& fight, int slot) {
    const int cx = pictureX[slot] + pictureSize / 2;
    const int cy = pictureY[slot] + pictureSize / 2;
    out.line(headerX + 240, headerY[0], cx, cy);
    for (int radius = 6; radius <= 18; radius += 6) {
        out.circle(cx, cy, radius);
        out.pause(30);
    }
    clearPicture(out, slot);
    drawPicture(out, fight, slot);
}

void drawEnd(RecordWriter& out, bool peaceful) {
    out.pause(endPause);
    // A cleared rectangle starting at this x is what closes the client's log.
    out.clearRect(encounterEndX, bandTop, picturesRight, slotsBottom);
    out.clearRect(pictureX[1], slotsBottom + 1, picturesRight, bandBottom);
    out.clearRect(0, bandTop, encounterEndX - 1, slotsBottom);
    out.clearRect(userCountX, bandTop, 511, logPictureBottom);
    drawHeadline(out, peaceful ? QStringLiteral("You go on your way.") : QStringLiteral("All is quiet."));
}

}  // namespace EncounterView
