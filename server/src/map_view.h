#pragma once
// Draws an area's map in the list column: walls as boxes, floor as points,
// doors as small boxes, the shrine as a circle, everything else with custom
// characters (and the water picture once per area).

#include <QList>
#include <QPoint>

#include "record_writer.h"

namespace quorlak::server {

// What stands on the map besides its fixed tiles.
struct MapMarks {
    QPoint you;
    QList<QPoint> others;  // other players
    QList<QPoint> monsters;
    QList<QPoint> closedChests;
};

namespace map_view {

QPoint cellOrigin(QPoint cell);

// The heading also turns the client's list off and its drawing colour to the
// list's, so it is sent again before cells are redrawn.
void drawHeading(RecordWriter& out, int area);
void draw(RecordWriter& out, int area, const MapMarks& marks);
void redrawCells(RecordWriter& out, int area, const QList<QPoint>& cells, const MapMarks& marks);

}  // namespace map_view

}  // namespace quorlak::server
