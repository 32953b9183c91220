#include "map_view.h"

#include "glyphs.h"
#include "list_screens.h"
#include "screen_layout.h"
#include "world_map.h"

namespace quorlak::server::map_view {

using namespace layout;

namespace {

constexpr int kShrineRadius = 6;

void drawGlyph(RecordWriter& out, QPoint cell, int number) {
    // A custom character fills the 16 x 33 block just below and right of the point.
    const QPoint origin = cellOrigin(cell);
    out.moveTo(origin.x() - 1, origin.y() - 1);
    out.drawPicture(number);
}

void drawTile(RecordWriter& out, char kind, QPoint cell) {
    const QPoint origin = cellOrigin(cell);
    const int centreX = origin.x() + kCellSize / 2;
    const int centreY = origin.y() + kCellSize / 2;
    switch (kind) {
        case tile::kWall: break;  // drawn in runs by draw()
        case tile::kWater: drawGlyph(out, cell, glyph::Waves); break;
        case tile::kPillar: drawGlyph(out, cell, glyph::Pillar); break;
        case tile::kDoor:
            out.box(origin.x() + 3, origin.y() + 1, origin.x() + 12, origin.y() + 14);
            out.point(origin.x() + 10, centreY);
            break;
        case tile::kBank: drawGlyph(out, cell, glyph::Bank); break;
        case tile::kShrine:
            out.circle(centreX, centreY, kShrineRadius);
            out.point(centreX, centreY);
            break;
        default:  // floor, chests and creature starts
            out.point(centreX, centreY);
            break;
    }
}

void drawMarks(RecordWriter& out, QPoint cell, const MapMarks& marks) {
    if (marks.closedChests.contains(cell)) drawGlyph(out, cell, glyph::SmallChest);
    if (marks.monsters.contains(cell)) drawGlyph(out, cell, glyph::Monster);
    if (marks.others.contains(cell)) drawGlyph(out, cell, glyph::OtherPlayer);
    if (marks.you == cell) drawGlyph(out, cell, glyph::Player);
}

}  // namespace

QPoint cellOrigin(QPoint cell) { return {kMapX + cell.x() * kCellSize, kMapY + cell.y() * kCellSize}; }

void drawHeading(RecordWriter& out, int area) {
    out.textAt(kListHeadingX, kListHeadingY, QStringLiteral("Map of %1").arg(world::area(area).name));
}

void draw(RecordWriter& out, int area, const MapMarks& marks) {
    list_screens::clearColumn(out);
    drawHeading(out, area);
    const QStringList& plan = world::area(area).plan;
    bool waterPictureDrawn = false;
    for (int y = 0; y < plan.size(); ++y) {
        for (int x = 0; x < plan[y].size(); ++x) {
            const char kind = plan[y][x].toLatin1();
            if (kind == tile::kWall) {
                int end = x;
                while (end + 1 < plan[y].size() && plan[y][end + 1] == QChar(tile::kWall)) ++end;
                const QPoint from = cellOrigin({x, y});
                const QPoint to = cellOrigin({end, y});
                out.box(from.x(), from.y(), to.x() + kCellSize - 1, to.y() + kCellSize - 1);
                x = end;
                continue;
            }
            if (kind == tile::kWater && !waterPictureDrawn) {
                const QPoint origin = cellOrigin({x, y});
                out.moveTo(origin.x(), origin.y());
                out.drawPicture(picture::Water);
                waterPictureDrawn = true;
                continue;
            }
            drawTile(out, kind, {x, y});
            drawMarks(out, {x, y}, marks);
        }
    }
}

void redrawCells(RecordWriter& out, int area, const QList<QPoint>& cells, const MapMarks& marks) {
    drawHeading(out, area);
    for (const QPoint& cell : cells) {
        const QPoint origin = cellOrigin(cell);
        out.clearRect(origin.x(), origin.y(), origin.x() + kCellSize - 1, origin.y() + kCellSize - 1);
        drawTile(out, world::tileAt({area, cell}), cell);
        drawMarks(out, cell, marks);
    }
}

}  // namespace quorlak::server::map_view
