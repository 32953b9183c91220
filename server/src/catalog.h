#pragma once
// The fixed game data: what items, creatures and spells there are.

#include <QList>
#include <QString>

namespace quorlak::server {

enum class ItemKind { Weapon, Armour, Food, Potion, ManaPotion, Scroll, Valuable, Tool };

struct ItemType {
    QString name;
    ItemKind kind;
    int power;  // attack or defence bonus, food or health restored
    int value;  // gold when sold in town
};

enum class CreatureTrait { None, DrainsExperience, DrainsMana, Poisons, Steals, Peaceful };

struct CreatureType {
    QString name;  // at most 12 characters, so slot lines keep their columns
    int picture;
    int health;
    int attack;
    int defence;
    int experience;
    CreatureTrait trait;
    bool takesFood;  // a gift of food sends it away
};

struct SpellType {
    QString name;
    int level;  // needed to cast it
    int mana;
};

// Item types by name, as indexes into itemTypes().
namespace item {
enum : int {
    Dagger,
    ShortSword,
    IceAxe,
    LongSword,
    FrostBlade,
    FurCloak,
    LeatherCoat,
    ChainMail,
    DragonScale,
    Ration,
    DriedFish,
    HoneyCake,
    HealingPotion,
    ManaPotion,
    RecallScroll,
    SilverRing,
    GoldNugget,
    Sapphire,
    Pearl,
    AncientCoin,
    Rope,
    Torch,
};
}  // namespace item

// Creature types by name, as indexes into creatureTypes().
namespace creature {
enum : int {
    ArcticWolf,
    CaveBear,
    FrostBlob,
    Ghost,
    Gargoyle,
    BlueDragon,
    FlameSprite,
    MadWizard,
    FrostGiant,
    Thief,
    Goblin,
    IceSpider,
    SnowLizard,
    Skeleton,
    Renegade,
    Merman,
};
}  // namespace creature

// Spells by name, as indexes into spellTypes().
namespace spell {
enum : int { FrostBolt, Heal, Warmth, Recall, Fireball };
}  // namespace spell

const QList<ItemType>& itemTypes();
const QList<CreatureType>& creatureTypes();
const QList<SpellType>& spellTypes();

const ItemType& itemType(int index);
const CreatureType& creatureType(int index);

// Items a treasure chest can hold.
const QList<int>& treasureItems();

}  // namespace quorlak::server
