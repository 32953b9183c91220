#include "fight.h"

#include <algorithm>

#include "catalog.h"
#include "character.h"
#include "random.h"

namespace quorlak::server {

namespace {

constexpr int kStealChance = 40;  // percent, each turn a thief acts
constexpr int kStolenGoldLow = 5;
constexpr int kStolenGoldHigh = 15;
constexpr int kExperienceDrainLow = 5;
constexpr int kExperienceDrainHigh = 15;
constexpr int kManaDrainLow = 1;
constexpr int kManaDrainHigh = 3;
constexpr int kPoisonChance = 35;
constexpr int kPoisonMoves = 8;
constexpr int kMermanGiftChance = 50;  // a frost blade, else dragon scale

}  // namespace

Fight::Fight(const QList<int>& creatures, int group) : group(group) {
    for (int type : creatures.mid(0, kMaxFoes)) foes.append({type, creatureType(type).health, Foe::State::Fighting});
}

bool Fight::isOver() const {
    return std::none_of(foes.begin(), foes.end(), [](const Foe& f) { return f.isFighting(); });
}

bool Fight::isPeaceful() const {
    if (angered_) return false;
    return std::all_of(foes.begin(), foes.end(), [](const Foe& f) {
        return !f.isFighting() || creatureType(f.type).trait == CreatureTrait::Peaceful;
    });
}

QString Fight::foeName(int slot) const {
    return QStringLiteral("%1 %2").arg(creatureType(foes[slot - 1].type).name).arg(slot);
}

QString Fight::opening() const {
    if (isPeaceful()) return QStringLiteral("You meet a %1.").arg(creatureType(foes[0].type).name);
    return foes.size() == 1 ? QStringLiteral("You are attacked!")
                            : QStringLiteral("You are attacked by %1 foes!").arg(foes.size());
}

bool Fight::aimAt(int slot) {
    if (slot < 1 || slot > foes.size() || !foes[slot - 1].isFighting()) return false;
    target = slot;
    return true;
}

void Fight::retarget() {
    if (target >= 1 && target <= foes.size() && foes[target - 1].isFighting()) return;
    for (int slot = 1; slot <= foes.size(); ++slot) {
        if (foes[slot - 1].isFighting()) {
            target = slot;
            return;
        }
    }
}

void Fight::damage(Character& you, int slot, int amount, QList<FightEvent>& events) {
    Foe& foe = foes[slot - 1];
    foe.health -= amount;
    events.append(
        {FightEvent::Kind::YouHit, slot, QStringLiteral("You hit %1 for %2.").arg(foeName(slot)).arg(amount)});
    if (foe.health > 0) return;
    foe.health = 0;
    foe.state = Foe::State::Dead;
    const int gained = creatureType(foe.type).experience;
    ++you.kills;
    events.append({FightEvent::Kind::FoeDies, slot, QStringLiteral("%1 dies! +%2 exp").arg(foeName(slot)).arg(gained)});
    if (you.gainExperience(gained) > 0)
        events.append({FightEvent::Kind::LevelUp, 0, QStringLiteral("You reach level %1!").arg(you.level)});
    retarget();
}

QList<FightEvent> Fight::attack(Character& you, Random& random) {
    retarget();
    angered_ = true;
    QList<FightEvent> events;
    const Foe& foe = foes[target - 1];
    const CreatureType& kind = creatureType(foe.type);
    const int toHit = qBound(30, 70 + 4 * you.level - 4 * kind.defence, 95);
    if (random.chance(toHit)) {
        const int amount = qMax(1, random.between(you.attack() / 2, you.attack()) + you.level / 2 - kind.defence / 2);
        damage(you, target, amount, events);
    } else {
        events.append({FightEvent::Kind::YouMiss, target, QStringLiteral("You miss %1.").arg(foeName(target))});
    }
    events += foesTurn(you, random);
    return events;
}

QList<FightEvent> Fight::strike(Character& you, Random& random, int slot, int amount) {
    angered_ = true;
    QList<FightEvent> events;
    if (slot >= 1 && slot <= foes.size() && foes[slot - 1].isFighting()) damage(you, slot, amount, events);
    events += foesTurn(you, random);
    return events;
}

QList<FightEvent> Fight::strikeAll(Character& you, Random& random, int low, int high) {
    angered_ = true;
    QList<FightEvent> events;
    for (int slot = 1; slot <= foes.size(); ++slot) {
        if (foes[slot - 1].isFighting()) damage(you, slot, random.between(low, high), events);
    }
    events += foesTurn(you, random);
    return events;
}

QList<FightEvent> Fight::offer(Character& you, Random& random, int packSlot) {
    QList<FightEvent> events;
    const ItemType& gift = itemType(you.pack[packSlot].type);
    for (int slot = 1; slot <= foes.size(); ++slot) {
        Foe& foe = foes[slot - 1];
        const CreatureType& kind = creatureType(foe.type);
        if (!foe.isFighting()) continue;
        if (gift.kind == ItemKind::Food && kind.takesFood) {
            you.removeItem(packSlot);
            foe.state = Foe::State::Gone;
            events.append(
                {FightEvent::Kind::FoeLeaves, slot, QStringLiteral("%1 takes it and leaves.").arg(foeName(slot))});
            retarget();
            return events + foesTurn(you, random);
        }
        if (gift.kind == ItemKind::Valuable && kind.trait == CreatureTrait::Peaceful) {
            you.removeItem(packSlot);
            foe.state = Foe::State::Gone;
            const int reward = random.chance(kMermanGiftChance) ? item::FrostBlade : item::DragonScale;
            if (you.addItem(reward) >= 0) {
                events.append({FightEvent::Kind::Gift, slot,
                               QStringLiteral("%1 gives you a %2!").arg(foeName(slot), itemType(reward).name)});
            }
            retarget();
            return events;
        }
    }
    events.append({FightEvent::Kind::Calm, 0, QStringLiteral("Nobody here wants the %1.").arg(gift.name)});
    return events + foesTurn(you, random);
}

QList<FightEvent> Fight::foesTurn(Character& you, Random& random) {
    QList<FightEvent> events;
    for (int slot = 1; slot <= foes.size() && you.health > 0; ++slot) {
        if (foes[slot - 1].isFighting()) foeActs(you, random, slot, events);
    }
    return events;
}

void Fight::foeActs(Character& you, Random& random, int slot, QList<FightEvent>& events) {
    Foe& foe = foes[slot - 1];
    const CreatureType& kind = creatureType(foe.type);
    if (kind.trait == CreatureTrait::Peaceful && !angered_) {
        events.append({FightEvent::Kind::Calm, slot, QStringLiteral("%1 watches you calmly.").arg(foeName(slot))});
        return;
    }
    if (kind.trait == CreatureTrait::Steals && random.chance(kStealChance)) {
        QList<int> valuables;
        for (int i = 0; i < Character::kPackSize; ++i) {
            const PackSlot& item = you.pack[i];
            if (!item.isEmpty() && !item.banked && itemType(item.type).kind == ItemKind::Valuable) valuables.append(i);
        }
        QString loot;
        if (!valuables.isEmpty()) {
            const int taken = valuables[random.below(valuables.size())];
            loot = QStringLiteral("your ") + itemType(you.pack[taken].type).name;
            you.removeItem(taken);
        } else if (you.gold > 0) {
            const int amount = qMin(you.gold, random.between(kStolenGoldLow, kStolenGoldHigh));
            you.gold -= amount;
            loot = QStringLiteral("%1 gold").arg(amount);
        }
        if (!loot.isEmpty()) {
            foe.state = Foe::State::Gone;
            events.append({FightEvent::Kind::Theft, slot, QStringLiteral("%1 steals %2!").arg(foeName(slot), loot)});
            retarget();
            return;
        }
    }
    const int toHit = qBound(20, 55 + 2 * kind.attack - 4 * you.defence(), 90);
    if (!random.chance(toHit)) {
        events.append({FightEvent::Kind::FoeMisses, slot, QStringLiteral("%1 misses you.").arg(foeName(slot))});
        return;
    }
    const int amount = qMax(1, random.between(1, kind.attack) - you.defence() / 2);
    you.health = qMax(0, you.health - amount);
    events.append(
        {FightEvent::Kind::FoeHits, slot, QStringLiteral("%1 hits you for %2.").arg(foeName(slot)).arg(amount)});
    if (kind.trait == CreatureTrait::DrainsExperience && you.experience > 0) {
        const int drained =
            int(qMin<qint64>(you.experience, random.between(kExperienceDrainLow, kExperienceDrainHigh)));
        you.loseExperience(drained);
        events.append({FightEvent::Kind::Drain, slot,
                       QStringLiteral("%1 drained %2 experience!").arg(foeName(slot)).arg(drained)});
    } else if (kind.trait == CreatureTrait::DrainsMana && you.mana > 0) {
        const int drained = qMin(you.mana, random.between(kManaDrainLow, kManaDrainHigh));
        you.mana -= drained;
        events.append(
            {FightEvent::Kind::Drain, slot, QStringLiteral("%1 drained %2 mana!").arg(foeName(slot)).arg(drained)});
    } else if (kind.trait == CreatureTrait::Poisons && random.chance(kPoisonChance)) {
        you.poisonedFor = kPoisonMoves;
        events.append({FightEvent::Kind::Poison, slot, QStringLiteral("%1 poisons you!").arg(foeName(slot))});
    }
}

bool Fight::tryToFlee(const Character& you, Random& random) const {
    if (isPeaceful()) return true;
    return random.chance(qBound(30, 45 + 3 * you.level, 80));
}

}  // namespace quorlak::server
