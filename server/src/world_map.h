#pragma once

#include <QList>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// Map tiles as written in the area plans.
namespace Tile {
constexpr char Wall = '#';
constexpr char Floor = '.';
constexpr char Water = '~';
constexpr char Pillar = '*';
constexpr char Door = '+';
constexpr char Bank = '$';
constexpr char Shrine = 'H';
constexpr char Chest = 'T';
// Digits 1-9 are floor where a group of creatures starts.
}  // namespace Tile

struct Area {
    QString name;
    QPoint block;                   // position in the world's grid of areas
    QStringList plan;               // rows of tiles
    QMap<char, QList<int>> groups;  // creatures starting at each digit of the plan
};

// Where someone stands: an area and a cell of its plan.
struct Place {
    int area = 0;
    QPoint cell;
    bool operator==(const Place&) const = default;
};

// The world: a grid of areas, each one screen of map. Walking off an open edge
// leads into the neighbouring area at the matching cell.
namespace World {
constexpr int columns = 20;
constexpr int rows = 12;

const QList<Area>& areas();
const Area& area(int index);
int areaAt(QPoint block);  // -1 where there is none

char tile(const Place& place);  // Wall outside the plan
bool isWalkable(char tile);

// Where a step from a place leads, or nothing when the way is blocked.
std::optional<Place> step(const Place& from, QPoint direction);

// Where new and fallen players appear: the shrine of the town.
Place startPlace();

// Names of the directions that lead out of an area, e.g. "east south".
QString exitsOf(int area);
}  // namespace World
