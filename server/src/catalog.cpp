#include "catalog.h"

namespace quorlak::server {

const QList<ItemType>& itemTypes() {
    static const QList<ItemType> types = {
        {"Dagger", ItemKind::Weapon, 1, 5},
        {"Short sword", ItemKind::Weapon, 2, 15},
        {"Ice axe", ItemKind::Weapon, 3, 30},
        {"Long sword", ItemKind::Weapon, 4, 50},
        {"Frost blade", ItemKind::Weapon, 6, 120},
        {"Fur cloak", ItemKind::Armour, 1, 10},
        {"Leather coat", ItemKind::Armour, 2, 25},
        {"Chain mail", ItemKind::Armour, 3, 60},
        {"Dragon scale", ItemKind::Armour, 5, 150},
        {"Ration", ItemKind::Food, 40, 3},
        {"Dried fish", ItemKind::Food, 25, 2},
        {"Honey cake", ItemKind::Food, 30, 4},
        {"Healing potion", ItemKind::Potion, 20, 12},
        {"Mana potion", ItemKind::ManaPotion, 8, 12},
        {"Scroll of recall", ItemKind::Scroll, 0, 20},
        {"Silver ring", ItemKind::Valuable, 0, 40},
        {"Gold nugget", ItemKind::Valuable, 0, 30},
        {"Sapphire", ItemKind::Valuable, 0, 80},
        {"Pearl", ItemKind::Valuable, 0, 60},
        {"Ancient coin", ItemKind::Valuable, 0, 25},
        {"Rope", ItemKind::Tool, 0, 2},
        {"Torch", ItemKind::Tool, 0, 1},
    };
    return types;
}

const QList<CreatureType>& creatureTypes() {
    using Trait = CreatureTrait;
    static const QList<CreatureType> types = {
        {"Arctic Wolf", 1, 12, 5, 1, 20, Trait::None, true},
        {"Cave Bear", 1, 24, 7, 2, 45, Trait::None, true},
        {"Frost Blob", 2, 10, 3, 0, 12, Trait::None, false},
        {"Ghost", 3, 14, 4, 2, 40, Trait::DrainsExperience, false},
        {"Gargoyle", 4, 26, 6, 4, 60, Trait::None, false},
        {"Blue Dragon", 5, 70, 12, 5, 400, Trait::None, false},
        {"Flame Sprite", 6, 16, 7, 1, 50, Trait::None, false},
        {"Mad Wizard", 7, 20, 8, 1, 80, Trait::DrainsMana, false},
        {"Frost Giant", 8, 50, 11, 4, 250, Trait::None, false},
        {"Thief", 9, 10, 3, 1, 25, Trait::Steals, false},
        {"Goblin", 10, 8, 3, 1, 10, Trait::None, false},
        {"Ice Spider", 11, 9, 4, 1, 18, Trait::Poisons, false},
        {"Snow Lizard", 12, 14, 5, 2, 22, Trait::None, true},
        {"Skeleton", 13, 16, 5, 3, 30, Trait::None, false},
        {"Renegade", 14, 22, 7, 3, 55, Trait::None, false},
        {"Merman", 15, 20, 6, 2, 30, Trait::Peaceful, false},
    };
    return types;
}

const QList<SpellType>& spellTypes() {
    static const QList<SpellType> types = {
        {"Frost bolt", 1, 2}, {"Heal", 1, 3}, {"Warmth", 2, 2}, {"Recall", 2, 5}, {"Fireball", 3, 6},
    };
    return types;
}

const ItemType& itemType(int index) { return itemTypes().at(index); }
const CreatureType& creatureType(int index) { return creatureTypes().at(index); }

const QList<int>& treasureItems() {
    static const QList<int> items = {
        item::Dagger,        item::IceAxe,     item::LongSword,    item::LeatherCoat, item::ChainMail,
        item::Ration,        item::Ration,     item::DriedFish,    item::HoneyCake,   item::HealingPotion,
        item::HealingPotion, item::ManaPotion, item::RecallScroll, item::SilverRing,  item::GoldNugget,
        item::GoldNugget,    item::Sapphire,   item::AncientCoin,
    };
    return items;
}

}  // namespace quorlak::server
