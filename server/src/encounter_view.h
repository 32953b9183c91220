#pragma once
// Draws the encounter band: the numbered foe slots on the left with their
// pictures beside them, the marker on the foe being fought, and the pictures
// whose appearance opens the client's encounter log and whose clearing
// closes it. The running account is written by the session's line pager.

#include <QString>

#include "record_writer.h"

namespace quorlak::server {

class Fight;

namespace encounter_view {

constexpr int kFlashPause = 60;
constexpr int kDeathPause = 120;
constexpr int kEndPause = 150;
constexpr int kBoltStepPause = 30;

void drawHeadline(RecordWriter& out, const QString& first, const QString& second = {});
void drawStart(RecordWriter& out, const Fight& fight);
void drawSlot(RecordWriter& out, const Fight& fight, int slot);
void drawMarker(RecordWriter& out, int slot);
void clearMarker(RecordWriter& out, int slot);
void drawPicture(RecordWriter& out, const Fight& fight, int slot);
void clearPicture(RecordWriter& out, int slot);
// The peace sign where the log's picture goes.
void drawPeace(RecordWriter& out);

// Short animations; each ends with the picture as it should stay.
void flashHit(RecordWriter& out, const Fight& fight, int slot);
void flashAttacker(RecordWriter& out, const Fight& fight, int slot);
void showDeath(RecordWriter& out, int slot);
void drawBolt(RecordWriter& out, const Fight& fight, int slot);

// The headline the band keeps after a fight.
QString endHeadline(bool peaceful);
void drawEnd(RecordWriter& out, bool peaceful);

}  // namespace encounter_view

}  // namespace quorlak::server
