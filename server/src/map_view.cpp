#include "map_view.h"

#include "glyphs.h"
#include "list_screens.h"
#include "screen_layout.h"
#include "world_map.h"

namespace MapView {

using namespace Layout;

namespace {

void drawGlyph(RecordWriter& out, QPoint cell, int glyph) {
    // A custom character fills the 16 x 33 block just below and right of the point.
    const QPoint o = cellOrigin(cell);
    out.moveTo(o.x() - 1, o.y() - 1);
    out.drawPicture(glyph);
}

void drawTile(RecordWriter& out, char tile, QPoint cell) {
    const QPoint o = cellOrigin(cell);
    const int cx = o.x() + cellSize / 2;
    const int cy = o.y() + cellSize / 2;
    switch (tile) {
        case Tile::Wall: break;  // drawn in runs by draw()
        case Tile::Water: drawGlyph(out, cell, Glyph::Waves); break;
        case Tile::Pillar: drawGlyph(out, cell, Glyph::Pillar); break;
        case Tile::Door:
            out.box(o.x() + 3, o.y() + 1, o.x() + 12, o.y() + 14);
            out.point(o.x() + 10, cy);
            break;
        case Tile::Bank: drawGlyph(out, cell, Glyph::Bank); break;
        case Tile::Shrine:
            out.circle(cx, cy, 6);
            out.point(cx, cy);
            break;
        default:  // floor, chests and creature starts
            out.point(cx, cy);
            break;
    }
}

void drawMarks(RecordWriter& out, QPoint cell, const MapMarks& marks) {
    if (marks.closedChests.contains(cell)) drawGlyph(out, cell, Glyph::SmallChest);
    if (marks.monsters.contains(cell)) drawGlyph(out, cell, Glyph::Monster);
    if (marks.others.contains(cell)) drawGlyph(out, cell, Glyph::OtherPlayer);
    if (marks.you == cell) drawGlyph(out, cell, Glyph::Player);
}

}  // namespace

QPoint cellOrigin(QPoint cell) { return {mapX + cell.x() * cellSize, mapY + cell.y() * cellSize}; }

void drawHeading(RecordWriter& out, int area) {
    out.textAt(listX, listHeadingY, QStringLiteral("Map of %1").arg(World::area(area).name));
}

void draw(RecordWriter& out, int area, const MapMarks& marks) {
    ListScreens::clearColumn(out);
    drawHeading(out, area);
    const QStringList& plan = World::area(area).plan;
    bool waterPictureDrawn = false;
    for (int y = 0; y < plan.size(); ++y) {
        for (int x = 0; x < plan[y].size(); ++x) {
            const char tile = plan[y][x].toLatin1();
            if (tile == Tile::Wall) {
                int end = x;
                while (end + 1 < plan[y].size() && plan[y][end + 1] == QChar(Tile::Wall)) ++end;
                const QPoint from = cellOrigin({x, y});
                const QPoint to = cellOrigin({end, y});
                out.box(from.x(), from.y(), to.x() + cellSize - 1, to.y() + cellSize - 1);
                x = end;
                continue;
            }
            if (tile == Tile::Water && !waterPictureDrawn) {
                const QPoint o = cellOrigin({x, y});
                out.moveTo(o.x(), o.y());
                out.drawPicture(Picture::Water);
                waterPictureDrawn = true;
                continue;
            }
            drawTile(out, tile, {x, y});
            drawMarks(out, {x, y}, marks);
        }
    }
}

void redrawCells(RecordWriter& out, int area, const QList<QPoint>& cells, const MapMarks& marks) {
    drawHeading(out, area);
    for (const QPoint& cell : cells) {
        const QPoint o = cellOrigin(cell);
        out.clearRect(o.x(), o.y(), o.x() + cellSize - 1, o.y() + cellSize - 1);
        drawTile(out, World::tile({area, cell}), cell);
        drawMarks(out, cell, marks);
    }
}

}  // namespace MapView
