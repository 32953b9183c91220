#pragma once
// The pictures and custom characters the game draws with.

#include <QByteArray>
#include <QList>

namespace quorlak::server {

// Picture numbers the client knows by name. Creatures are 1 to 15; a picture
// the client lacks is drawn with the custom character of the same number, so
// those numbers get a stand-in character too. The skull and the peace sign
// open the client's encounter log.
namespace picture {
enum : int {
    FirstCreature = 1,
    LastCreature = 15,
    Chest = 20,
    Water = 21,
    SkullAndBones = 22,
    Peace = 23,
};
}  // namespace picture

// Custom characters used on the map; numbers no picture uses.
namespace glyph {
enum : int {
    Player = 16,
    OtherPlayer = 17,
    Monster = 18,
    SmallChest = 19,
    Waves = 24,
    Bank = 26,
    Pillar = 27,
};
constexpr int kColumns = 16;
constexpr int kRows = 33;
}  // namespace glyph

// Every character the game defines, in the order they are sent.
QList<int> glyphNumbers();

// The pattern of one character as 16 x 33 digits, row by row, '1' lit.
QByteArray glyphDigits(int number);

}  // namespace quorlak::server
