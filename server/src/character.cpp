#include "character.h"

#include "catalog.h"

namespace quorlak::server {

Character::Character() {
    health = maxHealth();
    mana = maxMana();
    weaponSlot = addItem(item::ShortSword);
    armourSlot = addItem(item::FurCloak);
    for (int type : {item::Ration, item::Ration, item::HealingPotion, item::Rope, item::Torch, item::RecallScroll,
                     item::DriedFish})
        addItem(type);
}

int Character::attack() const {
    const int weapon = weaponSlot >= 0 ? itemType(pack[weaponSlot].type).power : 0;
    return 2 + level + weapon;
}

int Character::defence() const {
    const int armour = armourSlot >= 0 ? itemType(pack[armourSlot].type).power : 0;
    return armour + level / 2;
}

QString Character::weaponName() const {
    return weaponSlot >= 0 ? itemType(pack[weaponSlot].type).name : QStringLiteral("bare hands");
}

QString Character::armourName() const {
    return armourSlot >= 0 ? itemType(pack[armourSlot].type).name : QStringLiteral("none");
}

int Character::addItem(int type) {
    for (int slot = 0; slot < kPackSize; ++slot) {
        if (pack[slot].isEmpty()) {
            pack[slot] = {type, false};
            return slot;
        }
    }
    return -1;
}

void Character::removeItem(int slot) {
    pack[slot] = {};
    if (weaponSlot == slot) weaponSlot = -1;
    if (armourSlot == slot) armourSlot = -1;
}

void Character::swapItems(int first, int second) {
    std::swap(pack[first], pack[second]);
    auto follow = [&](int& worn) {
        if (worn == first) worn = second;
        else if (worn == second) worn = first;
    };
    follow(weaponSlot);
    follow(armourSlot);
}

int Character::itemCount() const {
    int count = 0;
    for (const PackSlot& slot : pack) count += slot.isEmpty() ? 0 : 1;
    return count;
}

int Character::gainExperience(qint64 amount) {
    experience += amount;
    int gained = 0;
    while (experience >= experienceForNextLevel()) {
        ++level;
        ++gained;
        health = maxHealth();
        mana = maxMana();
    }
    return gained;
}

void Character::loseExperience(qint64 amount) { experience = qMax<qint64>(0, experience - amount); }

}  // namespace quorlak::server
