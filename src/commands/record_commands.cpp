#include "commands/record_commands.h"

#include <algorithm>

#include "base/val_rule.h"
#include "commands/arrow_marker.h"
#include "wire/screen_layout.h"

namespace quorlak {

using namespace screen;

void RecordCommands::run(const Record& record) {
    switch (record.code) {
        case RecordCode::cs: clearScreen(); break;
        case RecordCode::lc: locate(record.arg); break;
        case RecordCode::ps: point(record.arg); break;
        case RecordCode::ln:
        case RecordCode::bx:
        case RecordCode::fx:
        case RecordCode::cr: shape(record.code, record.arg); break;
        case RecordCode::ce: circle(record.arg); break;
        case RecordCode::pt: text(record.arg, false); break;
        case RecordCode::po: text(record.arg, true); break;
        case RecordCode::bs: eraseField(record.arg); break;
        case RecordCode::cu: inputField(record.arg); break;
        case RecordCode::cd: defineCharacter(record.arg); break;
        case RecordCode::cw: drawCharacter(record.arg); break;
        case RecordCode::pz:  // the core's: it holds the stream
        case RecordCode::pv:
        case RecordCode::cl:
        case RecordCode::unknown: break;
    }
}

// --- drawing --------------------------------------------------------------------

void RecordCommands::clearScreen() {
    target_.clear();
    closeField();  // the marker went with the picture
}

void RecordCommands::locate(std::string_view arg) {
    if (!decodePoints(arg, points_)) return;
    target_.currentX = points_.x[0];
    target_.currentY = points_.y[0];
}

void RecordCommands::point(std::string_view arg) {
    if (!decodePoints(arg, points_)) return;
    target_.point(points_.x[0], points_.y[0], target_.foreColor);
}

void RecordCommands::shape(RecordCode code, std::string_view arg) {
    if (!decodePoints(arg, points_)) return;
    const Points& p = points_;
    DrawingTarget& t = target_;
    switch (code) {
        case RecordCode::ln:
            underlineSlot();
            t.line(p.x[0], p.y[0], p.x[1], p.y[1], t.foreColor);
            break;
        case RecordCode::bx: t.box(p.x[0], p.y[0], p.x[1], p.y[1], t.foreColor); break;
        case RecordCode::fx: {
            const int extent = (p.x[1] - p.x[0]) + (p.y[1] - p.y[0]);
            if (extent < kItemMarkExtent && p.y[0] > kItemMarkBelowY) events_.itemRowMarked();
            else t.fillBox(p.x[0], p.y[0], p.x[1], p.y[1], t.foreColor);
            break;
        }
        case RecordCode::cr: clearRect(); break;
        default: break;
    }
}

// A line under an encounter slot: the listener reprints the slot's text.
void RecordCommands::underlineSlot() {
    if (!gameScreenStarted_ || !inRange(points_.y[0], kSlotBandTop, kSlotBandBottom) ||
        !inRange(points_.y[1], kSlotBandTop, kSlotBandBottom))
        return;
    events_.slotUnderlined((points_.x[0] <= kSlotLeftColumnX ? 1 : 3) + (points_.y[0] > kSlotUpperRowY ? 1 : 0));
}

void RecordCommands::clearRect() {
    Points& p = points_;
    if (p.y[0] == kTabStripRow) {
        events_.tabStripCleared();
    } else if (p.x[0] == kEncounterEndX) {
        events_.encounterEnded();
    } else if (p.x[0] == kChestClearX) {
        p.x[0] = kChestLeft;
        p.y[0] = kChestTop;
        p.x[1] = kChestRight;
        p.y[1] = kChestBottom;
    }
    if (p.x[0] < fieldLeft_ && fieldLeft_ < p.x[1] && p.y[0] < fieldTop_ && fieldTop_ < p.y[1]) closeField();
    target_.fillBox(p.x[0], p.y[0], p.x[1], p.y[1], target_.backColor);
}

void RecordCommands::circle(std::string_view arg) {
    if (!decodePoints(arg, points_)) return;
    target_.circle(points_.x[0], points_.y[0], points_.x[1], target_.foreColor);
}

// --- text and input field -----------------------------------------------------------

void RecordCommands::text(std::string_view arg, bool clearBehind) {
    if (arg.size() < 2) return;  // not even the two delimiters
    std::string line(arg.substr(1, arg.size() - 2));
    DrawingTarget& t = target_;

    if (clearBehind) {
        const int sx = toCanvas(t.currentX);
        const int sy = toCanvas(t.currentY);
        const int ex = toCanvas(double(t.currentX) - 1 + double(kCellWidth) * double(line.size()));
        const int ey = toCanvas(double(t.currentY) + kCellHeight - 3);
        t.fillBox(sx, sy, ex, ey, t.backColor);
        t.currentX = float(sx);
        t.currentY = float(sy);
        if (sx < fieldLeft_ && fieldLeft_ < ex && sy <= fieldTop_ && fieldTop_ < ey) closeField();
    }

    if (gameScreenStarted_ && !events_.textLine(line)) return;
    t.currentY -= kTextRaise;
    t.printText(line);
    t.currentY += kTextRaise;
}

void RecordCommands::eraseField(std::string_view arg) {
    const double n = valNumber(arg);  // a fraction stays
    DrawingTarget& t = target_;
    const int right = fieldLength_ * kCellWidth + fieldLeft_ + 10;
    t.fillBox(toCanvas((n - 1) * kCellWidth + fieldLeft_), fieldTop_, right, fieldTop_ + 14, t.backColor);
    t.point(toCanvas(t.currentX), toCanvas(double(t.currentY) - 12), t.backColor);
}

void RecordCommands::inputField(std::string_view arg) {
    DrawingTarget& t = target_;
    if (arg.substr(0, 3) == "XXX") {
        t.currentX = fieldLeft_;
        t.currentY = fieldTop_;
        return;
    }
    if (!decodePoints(arg, points_)) return;
    t.currentX = points_.x[0];
    t.currentY = float(points_.y[0] + kFieldMarkerDrop);
    fieldLength_ = points_.x[1];
    openField();
}

// Silly values are clamped rather than wrapped: the box corner saturates at
// the 16-bit limits.
void RecordCommands::openField() {
    fieldLeft_ = clampToInt16(double(target_.currentX) + kFieldBoxOffsetX);
    fieldTop_ = clampToInt16(double(target_.currentY) + kFieldBoxOffsetY);
    const int x = clampToInt16(target_.currentX);
    const int y = clampToInt16(target_.currentY);
    drawArrowMarker(target_, x, y);
    // A negative length reads as 0, which sets no limit.
    events_.inputFieldOpened({fieldLeft_, fieldTop_, std::clamp<int>(fieldLength_, 0, kMaxFieldLength), x, y});
}

void RecordCommands::closeField() {
    events_.inputFieldClosed();
    fieldLeft_ = 0;
    fieldTop_ = 0;
}

// --- custom characters and pictures -------------------------------------------------

void RecordCommands::defineCharacter(std::string_view arg) {
    const auto n = toUInt8(valNumber(arg.substr(0, 2)));
    if (!n || *n >= CustomCharacters::kCount) return;  // no such character: the record is ignored
    gameScreenStarted_ = true;
    constexpr size_t kPatternStart = 3;
    characters_.define(*n, arg.size() > kPatternStart ? arg.substr(kPatternStart) : std::string_view{});
}

void RecordCommands::drawCharacter(std::string_view arg) {
    const int x0 = toCanvas(target_.currentX);
    const int y0 = toCanvas(target_.currentY);
    const auto n = toInt16(valNumber(arg));
    if (!n || *n == 0) return;
    if (drawPicture(*n)) return;
    if (*n < 0 || *n >= CustomCharacters::kCount) return;  // no such character
    characters_.draw(target_, *n, x0, y0);
}

// Returns true when the number was taken as a picture; false falls back to
// the custom character of that number.
bool RecordCommands::drawPicture(int16_t n) {
    DrawingTarget& t = target_;
    const Pictures& pics = pictures_;
    if (n >= kFirstCreaturePicture && n <= kLastCreaturePicture) {
        if (!pics.has(n)) return false;
        if (t.currentX == kCreatureNudgedX) t.currentX = kCreatureX;
        t.drawPicture(pics.img[n], toCanvas(t.currentX), toCanvas(t.currentY), kCreatureSize, kCreatureSize);
        return true;
    }
    if (n == kChestPicture) {
        if (t.currentY >= kChestLowestY) return true;  // nothing at all down there
        if (!pics.has(n)) return false;
        t.drawPicture(pics.img[n], kChestLeft, kChestTop);
        return true;
    }
    if (n == kNaturalSizePicture) {
        if (!pics.has(n)) return false;
        t.drawPicture(pics.img[n], toCanvas(t.currentX), toCanvas(t.currentY));
        return true;
    }
    if (n >= kFirstEncounterPicture && n <= kLastEncounterPicture) {
        events_.encounterStarted();
        if (!pics.has(n)) return false;
        t.drawPicture(pics.img[n], toCanvas(t.currentX), toCanvas(t.currentY), kEncounterPictureSize,
                      kEncounterPictureSize);
        return true;
    }
    return false;
}

}  // namespace quorlak
