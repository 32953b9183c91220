#pragma once
// A player's character: stats, pack and what it wears.

#include <QString>
#include <array>

#include "pack_slot.h"

namespace quorlak::server {

class Character {
public:
    static constexpr int kPackSize = 84;  // six pages of fourteen
    static constexpr int kMaxFood = 100;

    Character();

    QString name;
    int level = 1;
    int health = 0;
    int mana = 0;
    int food = kMaxFood;
    qint64 experience = 0;
    int gold = 20;
    int kills = 0;
    int deaths = 0;
    int moves = 0;
    int poisonedFor = 0;  // moves of poison left

    std::array<PackSlot, kPackSize> pack;
    int weaponSlot = -1;
    int armourSlot = -1;

    int maxHealth() const { return 20 + 10 * level; }
    int maxMana() const { return 3 + 3 * level; }
    int attack() const;
    int defence() const;
    qint64 experienceForNextLevel() const { return 100LL * level * level; }
    QString weaponName() const;
    QString armourName() const;

    // Slot the item went into, or -1 when the pack is full.
    int addItem(int type);
    void removeItem(int slot);
    void swapItems(int first, int second);
    int itemCount() const;

    // Raises the level as often as the experience allows; returns the levels gained.
    int gainExperience(qint64 amount);
    void loseExperience(qint64 amount);

    void heal(int amount) { health = qMin(maxHealth(), health + amount); }
    void restoreMana(int amount) { mana = qMin(maxMana(), mana + amount); }
    void eat(int amount) { food = qMin(kMaxFood, food + amount); }
};

}  // namespace quorlak::server
