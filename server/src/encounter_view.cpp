#include "encounter_view.h"

#include "catalog.h"
#include "fight.h"
#include "glyphs.h"
#include "panels.h"
#include "screen_layout.h"
#include "screen_lines.h"

namespace quorlak::server::encounter_view {

using namespace layout;

namespace {

// Regions of the band, chosen so the account rows below the slots and the
// user count at the bottom right survive the start and the end of a fight.
constexpr int kTextRight = kPictureX[1] - 1;
constexpr int kSlotsBottom = kSlotY[2] + kTextBottomBelow;
constexpr int kPicturesRight = kUserCountX - 1;
constexpr int kLogPictureBottom = kUserCountY - 8;

constexpr int kBoltFirstRadius = 6;
constexpr int kBoltLastRadius = 18;
constexpr int kBoltRadiusStep = 6;

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
    for (int i = 0; i < 2; ++i) panels::clearLine(out, kHeadlineX, kHeadlineY[i], kAccountWidth);
    out.textAt(kHeadlineX, kHeadlineY[0], first.left(kAccountWidth));
    if (!second.isEmpty()) out.textAt(kHeadlineX, kHeadlineY[1], second.left(kAccountWidth));
}

void drawStart(RecordWriter& out, const Fight& fight) {
    out.clearRect(0, kBandTop, kTextRight, kSlotsBottom);
    out.clearRect(kPictureX[1], kBandTop, kPicturesRight, kBandBottom);
    out.clearRect(kUserCountX, kBandTop, kDisplayRight, kLogPictureBottom);
    // Either picture opens the client's log of this encounter.
    out.moveTo(kLogPictureX, kLogPictureY);
    out.drawPicture(fight.isPeaceful() ? picture::Peace : picture::SkullAndBones);
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
    panels::clearLine(out, kSlotX[slot], kSlotY[slot], kSlotWidth);
    out.textAt(kSlotX[slot], kSlotY[slot], slotLine(slot, creatureType(foe.type).name, slotState(foe)));
}

void drawMarker(RecordWriter& out, int slot) {
    // The client repaints the slot's line in red when this line is drawn.
    const int x = kSlotX[slot] - kMarkerIndent;
    out.line(x, kMarkerY[slot], x + kMarkerLength, kMarkerY[slot]);
}

void clearMarker(RecordWriter& out, int slot) {
    const int x = kSlotX[slot] - kMarkerIndent;
    out.clearRect(x, kMarkerY[slot] - 1, x + kMarkerLength, kMarkerY[slot] + 1);
}

void drawPicture(RecordWriter& out, const Fight& fight, int slot) {
    const Foe& foe = fight.foes[slot - 1];
    if (!foe.isFighting()) return;
    out.moveTo(kPictureX[slot], kPictureY[slot]);
    out.drawPicture(creatureType(foe.type).picture);
}

void drawPeace(RecordWriter& out) {
    out.moveTo(kLogPictureX, kLogPictureY);
    out.drawPicture(picture::Peace);
}

void clearPicture(RecordWriter& out, int slot) {
    out.clearRect(kPictureX[slot], kPictureY[slot], kPictureX[slot] + kPictureSize, kPictureY[slot] + kPictureSize);
}

void flashHit(RecordWriter& out, const Fight& fight, int slot) {
    const int half = kPictureSize / 2;
    out.circle(kPictureX[slot] + half, kPictureY[slot] + half, half);
    out.pause(kFlashPause);
    clearPicture(out, slot);
    drawPicture(out, fight, slot);
}

void flashAttacker(RecordWriter& out, const Fight& fight, int slot) {
    out.box(kPictureX[slot], kPictureY[slot], kPictureX[slot] + kPictureSize, kPictureY[slot] + kPictureSize);
    out.pause(kFlashPause);
    clearPicture(out, slot);
    drawPicture(out, fight, slot);
}

void showDeath(RecordWriter& out, int slot) {
    const int x = kPictureX[slot];
    const int y = kPictureY[slot];
    out.line(x, y, x + kPictureSize, y + kPictureSize);
    out.line(x + kPictureSize, y, x, y + kPictureSize);
    out.pause(kDeathPause);
    clearPicture(out, slot);
}

void drawBolt(RecordWriter& out, const Fight& fight, int slot) {
    const int centreX = kPictureX[slot] + kPictureSize / 2;
    const int centreY = kPictureY[slot] + kPictureSize / 2;
    // Strikes from the picture's corner: all of it lies where the picture is
    // drawn again, so nothing of it stays.
    out.line(kPictureX[slot], kPictureY[slot], centreX, centreY);
    for (int radius = kBoltFirstRadius; radius <= kBoltLastRadius; radius += kBoltRadiusStep) {
        out.circle(centreX, centreY, radius);
        out.pause(kBoltStepPause);
    }
    clearPicture(out, slot);
    drawPicture(out, fight, slot);
}

QString endHeadline(bool peaceful) {
    return peaceful ? QStringLiteral("You go on your way.") : QStringLiteral("All is quiet.");
}

void drawEnd(RecordWriter& out, bool peaceful) {
    out.pause(kEndPause);
    // A cleared rectangle starting at this x is what closes the client's log.
    out.clearRect(kEncounterEndX, kBandTop, kPicturesRight, kSlotsBottom);
    out.clearRect(kPictureX[1], kSlotsBottom + 1, kPicturesRight, kBandBottom);
    out.clearRect(0, kBandTop, kEncounterEndX - 1, kSlotsBottom);
    out.clearRect(kUserCountX, kBandTop, kDisplayRight, kLogPictureBottom);
    drawHeadline(out, endHeadline(peaceful));
}

}  // namespace quorlak::server::encounter_view
