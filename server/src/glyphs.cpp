#include "glyphs.h"

#include <initializer_list>

namespace quorlak::server {

namespace {

using Art = std::initializer_list<const char*>;

// Drawn within the top 16 rows so they fit the map's 16 x 16 cells.
const Art kPlayerArt = {
    "......####......", ".....######.....", ".....######.....", "......####......", ".......##.......",
    "...##########...", "..#.########.#..", "..#....##....#..", ".......##.......", "......####......",
    ".....##..##.....", ".....#....#.....", "....##....##....",
};
const Art kOtherPlayerArt = {
    "......####......", ".....#....#.....", ".....#....#.....", "......####......", ".......##.......",
    "...##########...", "..#.#......#.#..", "..#..#....#..#..", ".......##.......", "......#..#......",
    ".....#....#.....", ".....#....#.....", "....##....##....",
};
const Art kMonsterArt = {
    "..#..........#..", "..##........##..", "...##########...", "..############..", ".###..####..###.",
    ".###..####..###.", ".##############.", "..############..", "..##.#.##.#.##..", "...##########...",
    "....#.#..#.#....", "...##.#..#.##...", "..##........##..",
};
const Art kSmallChestArt = {
    "................", "................", "...##########...", "..#..........#..",
    ".#............#.", ".##############.", ".#.....##.....#.", ".#....#..#....#.",
    ".#.....##.....#.", ".#............#.", ".##############.",
};
const Art kChestArt = {
    "....########....", "..##........##..", ".#............#.", "#..............#",
    "################", "#......##......#", "#.....####.....#", "#......##......#",
    "#..............#", "#..............#", "################",
};
const Art kWavesArt = {
    "................", "................", "..##......##....", ".#..#....#..#...",
    "#....####....###", "................", "................", "....##......##..",
    "...#..#....#..#.", "###....####....#", "................",
};
const Art kSkullArt = {
    "....########....", "..############..", ".##############.", ".###...##...###.", ".###...##...###.",
    ".######..######.", "..#####..#####..", "...##########...", "...#.#.#.#.#.#..", "................",
    "##............##", "..###......###..", ".....######.....", "..###......###..", "##............##",
};
const Art kPeaceArt = {
    ".....######.....", "...##..##..##...", "..#....##....#..", ".#.....##.....#.", ".#.....##.....#.",
    "#......##......#", "#.....####.....#", "#....#.##.#....#", "#...#..##..#...#", ".#.#...##...#.#.",
    ".##....##....##.", "..#....##....#..", "...##..##..##...", ".....######.....",
};
const Art kBankArt = {
    "################", "#..............#", "#......##......#", "#....######....#",
    "#...##.##......#", "#....#####.....#", "#.......####...#", "#......##.##...#",
    "#...######.....#", "#......##......#", "#..............#", "################",
};
const Art kPillarArt = {
    "..############..", "....########....", ".....######.....", ".....##.###.....",
    ".....###.##.....", ".....##.###.....", ".....###.##.....", ".....##.###.....",
    ".....######.....", "....########....", "..############..",
};
// Stands in for any creature picture the client has no file for.
const Art kBeastArt = {
    "................", ".....##...##....", "....####.####...", "....#########...", "...###.###.###..",
    "...###########..", "....#########...", ".....#.#.#.#....", "....#########...", "...###########..",
    "..##.#######.##.", "..#..#######..#.", ".....##...##....", "....###...###...",
};

Art artFor(int number) {
    if (number >= picture::FirstCreature && number <= picture::LastCreature) return kBeastArt;
    switch (number) {
        case glyph::Player: return kPlayerArt;
        case glyph::OtherPlayer: return kOtherPlayerArt;
        case glyph::Monster: return kMonsterArt;
        case glyph::SmallChest: return kSmallChestArt;
        case picture::Chest: return kChestArt;
        case picture::Water: return kWavesArt;
        case picture::SkullAndBones: return kSkullArt;
        case picture::Peace: return kPeaceArt;
        case glyph::Waves: return kWavesArt;
        case glyph::Bank: return kBankArt;
        case glyph::Pillar: return kPillarArt;
        default: return {};
    }
}

}  // namespace

QList<int> glyphNumbers() {
    QList<int> numbers;
    for (int n = picture::FirstCreature; n <= picture::LastCreature; ++n) numbers.append(n);
    numbers +=
        {glyph::Player,          glyph::OtherPlayer, glyph::Monster, glyph::SmallChest, picture::Chest, picture::Water,
         picture::SkullAndBones, picture::Peace,     glyph::Waves,   glyph::Bank,       glyph::Pillar};
    return numbers;
}

QByteArray glyphDigits(int number) {
    QByteArray digits(glyph::kColumns * glyph::kRows, '0');
    int row = 0;
    for (const char* line : artFor(number)) {
        for (int column = 0; column < glyph::kColumns && line[column] != '\0'; ++column) {
            if (line[column] == '#') digits[row * glyph::kColumns + column] = '1';
        }
        ++row;
    }
    return digits;
}

}  // namespace quorlak::server
