#include "glyphs.h"

#include <initializer_list>

namespace {

using Art = std::initializer_list<const char*>;

// Drawn within the top 16 rows so they fit the map's 16 x 16 cells.
const Art playerArt = {
    "......####......", ".....######.....", ".....######.....", "......####......", ".......##.......",
    "...##########...", "..#.########.#..", "..#....##....#..", ".......##.......", "......####......",
    ".....##..##.....", ".....#....#.....", "....##....##....",
};
const Art otherPlayerArt = {
    "......####......", ".....#....#.....", ".....#....#.....", "......####......", ".......##.......",
    "...##########...", "..#.#......#.#..", "..#..#....#..#..", ".......##.......", "......#..#......",
    ".....#....#.....", ".....#....#.....", "....##....##....",
};
const Art monsterArt = {
    "..#..........#..", "..##........##..", "...##########...", "..############..", ".###..####..###.",
    ".###..####..###.", ".##############.", "..############..", "..##.#.##.#.##..", "...##########...",
    "....#.#..#.#....", "...##.#..#.##...", "..##........##..",
};
const Art smallChestArt = {
    "................", "................", "...##########...", "..#..........#..",
    ".#............#.", ".##############.", ".#.....##.....#.", ".#....#..#....#.",
    ".#.....##.....#.", ".#............#.", ".##############.",
};
const Art chestArt = {
    "....########....", "..##........##..", ".#............#.", "#..............#",
    "################", "#......##......#", "#.....####.....#", "#......##......#",
    "#..............#", "#..............#", "################",
};
const Art wavesArt = {
    "................", "................", "..##......##....", ".#..#....#..#...",
    "#....####....###", "................", "................", "....##......##..",
    "...#..#....#..#.", "###....####....#", "................",
};
const Art skullArt = {
    "....########....", "..############..", ".##############.", ".###...##...###.", ".###...##...###.",
    ".######..######.", "..#####..#####..", "...##########...", "...#.#.#.#.#.#..", "................",
    "##............##", "..###......###..", ".....######.....", "..###......###..", "##............##",
};
const Art peaceArt = {
    ".....######.....", "...##..##..##...", "..#....##....#..", ".#.....##.....#.", ".#.....##.....#.",
    "#......##......#", "#.....####.....#", "#....#.##.#....#", "#...#..##..#...#", ".#.#...##...#.#.",
    ".##....##....##.", "..#....##....#..", "...##..##..##...", ".....######.....",
};
const Art bankArt = {
    "################", "#..............#", "#......##......#", "#....######....#",
    "#...##.##......#", "#....#####.....#", "#.......####...#", "#......##.##...#",
    "#...######.....#", "#......##......#", "#..............#", "################",
};
const Art pillarArt = {
    "..############..", "....########....", ".....######.....", ".....##.###.....",
    ".....###.##.....", ".....##.###.....", ".....###.##.....", ".....##.###.....",
    ".....######.....", "....########....", "..############..",
};
// Stands in for any creature picture the client has no file for.
const Art beastArt = {
    "................", ".....##...##....", "....####.####...", "....#########...", "...###.###.###..",
    "...###########..", "....#########...", ".....#.#.#.#....", "....#########...", "...###########..",
    "..##.#######.##.", "..#..#######..#.", ".....##...##....", "....###...###...",
};

Art artFor(int number) {
    if (number >= Picture::FirstCreature && number <= Picture::LastCreature) return beastArt;
    switch (number) {
        case Glyph::Player: return playerArt;
        case Glyph::OtherPlayer: return otherPlayerArt;
        case Glyph::Monster: return monsterArt;
        case Glyph::SmallChest: return smallChestArt;
        case Picture::Chest: return chestArt;
        case Picture::Water: return wavesArt;
        case Picture::SkullAndBones: return skullArt;
        case Picture::Peace: return peaceArt;
        case Glyph::Waves: return wavesArt;
        case Glyph::Bank: return bankArt;
        case Glyph::Pillar: return pillarArt;
        default: return {};
    }
}

}  // namespace

QList<int> glyphNumbers() {
    QList<int> numbers;
    for (int n = Picture::FirstCreature; n <= Picture::LastCreature; ++n) numbers.append(n);
    numbers +=
        {Glyph::Player,          Glyph::OtherPlayer, Glyph::Monster, Glyph::SmallChest, Picture::Chest, Picture::Water,
         Picture::SkullAndBones, Picture::Peace,     Glyph::Waves,   Glyph::Bank,       Glyph::Pillar};
    return numbers;
}

QByteArray glyphDigits(int number) {
    QByteArray digits(Glyph::columns * Glyph::rows, '0');
    int row = 0;
    for (const char* line : artFor(number)) {
        for (int column = 0; column < Glyph::columns && line[column] != '\0'; ++column) {
            if (line[column] == '#') digits[row * Glyph::columns + column] = '1';
        }
        ++row;
    }
    return digits;
}
