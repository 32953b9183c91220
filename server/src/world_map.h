#pragma once
// The world: a grid of areas, each one screen of map. Walking off an open edge
// leads into the neighbouring area at the matching cell.

#include <QList>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

namespace quorlak::server {

// Map tiles as written in the area plans. Digits 1-9 are floor where a group
// of creatures starts.
namespace tile {
constexpr char kWall = '#';
constexpr char kFloor = '.';
constexpr char kWater = '~';
constexpr char kPillar = '*';
constexpr char kDoor = '+';
constexpr char kBank = '$';
constexpr char kShrine = 'H';
constexpr char kChest = 'T';
}  // namespace tile

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

namespace world {
constexpr int kColumns = 20;
constexpr int kRows = 12;

const QList<Area>& areas();
const Area& area(int index);
int areaAt(QPoint block);  // -1 where there is none

char tileAt(const Place& place);  // a wall outside the plan
bool isWalkable(char kind);

// Where a step from a place leads, or nothing when the way is blocked.
std::optional<Place> step(const Place& from, QPoint direction);

// Where new and fallen players appear: the shrine of the town.
Place startPlace();

// Names of the directions that lead out of an area, e.g. "east south".
QString exitsOf(int area);
}  // namespace world

}  // namespace quorlak::server
