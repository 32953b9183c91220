#include "world_map.h"

#include "catalog.h"

namespace quorlak::server::world {

const QList<Area>& areas() {
    using namespace creature;
    static const QList<Area> list = {
        {"Quorlak Town",
         {0, 0},
         {"####################", "#..................#", "#.$....#####...T...#", "#......#...#.......#",
          "#..*...#...+...*...#", "#......#####........", "#........H.........#", "#..*...........*...#",
          "#......~~~~........#", "#......~~~~....T...#", "#..................#", "##########.#########"},
         {}},
        {"Frozen Gate",
         {1, 0},
         {"####################", "#....*......*......#", "#..1.......#####...#", "#..........#.T.#...#",
          "#...####...#...+...#", ".......#...#####....", "#......#......2....#", "#..*...+...........#",
          "#......#....*...3..#", "#......#...........#", "#..T...#...........#", "##########.#########"},
         {{'1', {Goblin, Goblin}}, {'2', {ArcticWolf}}, {'3', {Thief}}}},
        {"Ice Caves",
         {2, 0},
         {"####################", "#*....#......#...T.#", "#..1..#..*...#.....#", "#.....#......#..2..#",
          "#..*.....*.......*.#", "..........#####....#", "#...*.....#...#....#", "#.........#.4.+....#",
          "#..3......#...#..*.#", "#.....*...#####....#", "#.T................#", "##########.#########"},
         {{'1', {IceSpider, IceSpider}}, {'2', {SnowLizard}}, {'3', {FrostBlob, FrostBlob}}, {'4', {FrostGiant}}}},
        {"Old Crypt",
         {0, 1},
         {"##########.#########", "#.....#.......#....#", "#..1..#...2...#.T..#", "#.....###+#####....#",
          "#..........3.......#", "#..##+##............", "#..#...#...*....4..#", "#..#T..#...........#",
          "#..#####.#######...#", "#........#..5..+...#", "#........#######...#", "####################"},
         {{'1', {Skeleton, Skeleton}},
          {'2', {Ghost}},
          {'3', {Skeleton}},
          {'4', {Ghost, Skeleton}},
          {'5', {MadWizard, Gargoyle}}}},
        {"Wolf Den",
         {1, 1},
         {"##########.#########", "#...*.........*....#", "#..1.....##........#", "#.......####...2...#",
          "#..*....####.......#", ".........##.........", "#...3..........*...#", "#......*...4.......#",
          "#.*.........~~~....#", "#...5.......~~~..T.#", "#..........*.......#", "####################"},
         {{'1', {ArcticWolf, ArcticWolf}},
          {'2', {ArcticWolf, ArcticWolf, ArcticWolf}},
          {'3', {CaveBear}},
          {'4', {ArcticWolf, ArcticWolf, ArcticWolf, ArcticWolf}},
          {'5', {CaveBear, ArcticWolf}}}},
        {"Sunken Lake",
         {2, 1},
         {"##########.#########", "#..................#", "#..~~~~~~~~~~~~~...#", "#..~~~~~~~~~~~~~...#",
          "#..~~~~..1..~~~~...#", "......~..T..~~..2..#", "#..~~~~.....~~~....#", "#..~~~~~~.~~~~~....#",
          "#.........3........#", "#..*...........4...#", "#.......5......*...#", "####################"},
         {{'1', {Merman}}, {'2', {FrostBlob}}, {'3', {Renegade, Renegade}}, {'4', {FlameSprite}}, {'5', {BlueDragon}}}},
    };
    return list;
}

const Area& area(int index) { return areas().at(index); }

int areaAt(QPoint block) {
    const auto& list = areas();
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].block == block) return i;
    }
    return -1;
}

char tileAt(const Place& place) {
    if (place.area < 0 || place.area >= areas().size()) return tile::kWall;
    const QStringList& plan = area(place.area).plan;
    const QPoint cell = place.cell;
    if (cell.y() < 0 || cell.y() >= plan.size() || cell.x() < 0 || cell.x() >= plan[cell.y()].size())
        return tile::kWall;
    return plan[cell.y()][cell.x()].toLatin1();
}

bool isWalkable(char kind) { return kind != tile::kWall && kind != tile::kWater && kind != tile::kPillar; }

std::optional<Place> step(const Place& from, QPoint direction) {
    Place to{from.area, from.cell + direction};
    const QPoint cell = to.cell;
    if (cell.x() < 0 || cell.x() >= kColumns || cell.y() < 0 || cell.y() >= kRows) {
        to.area = areaAt(area(from.area).block + direction);
        if (to.area < 0) return std::nullopt;
        to.cell = QPoint((cell.x() + kColumns) % kColumns, (cell.y() + kRows) % kRows);
    }
    if (!isWalkable(tileAt(to))) return std::nullopt;
    return to;
}

Place startPlace() {
    constexpr int kTown = 0;
    const QStringList& plan = area(kTown).plan;
    for (int y = 0; y < plan.size(); ++y) {
        const int x = plan[y].indexOf(QChar(tile::kShrine));
        if (x >= 0) return {kTown, {x, y}};
    }
    return {kTown, {1, 1}};
}

QString exitsOf(int index) {
    const struct {
        QPoint direction;
        const char* name;
    } ways[] = {{{0, -1}, "north"}, {{0, 1}, "south"}, {{1, 0}, "east"}, {{-1, 0}, "west"}};
    QStringList names;
    for (const auto& way : ways) {
        if (areaAt(area(index).block + way.direction) >= 0) names << way.name;
    }
    return names.join(' ');
}

}  // namespace quorlak::server::world
