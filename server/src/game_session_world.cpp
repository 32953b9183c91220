// Walking, the map and what lies on it.

#include "game_session.h"

#include "catalog.h"
#include "panels.h"
#include "realm.h"

namespace quorlak::server {

namespace {

constexpr int kChestRefillsAfter = 150;
constexpr int kHungerEvery = 2;            // moves per point of food
constexpr int kRestEvery = 4;              // moves per point of health and mana regained
constexpr int kStarvingReminderEvery = 5;  // moves
constexpr int kNoticeDistance = 4;         // cells within which creatures close in, and do not come back
constexpr int kCloseInChance = 50;         // percent a move, for creatures that noticed the player
constexpr int kWanderChance = 30;
constexpr int kChestGoldLow = 5;
constexpr int kChestGoldHigh = 30;
constexpr int kHungryBelow = 30;
constexpr int kFoodAfterDeath = 50;

bool isOpenFloor(char kind) { return kind == tile::kFloor || (kind >= '1' && kind <= '9'); }

int distance(QPoint a, QPoint b) { return qAbs(a.x() - b.x()) + qAbs(a.y() - b.y()); }

const QPoint kDirections[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

}  // namespace

void GameSession::buildAreas() {
    const QList<Area>& areas = world::areas();
    areas_.resize(areas.size());
    for (int area = 0; area < areas.size(); ++area) {
        const QStringList& plan = areas[area].plan;
        for (int y = 0; y < plan.size(); ++y) {
            for (int x = 0; x < plan[y].size(); ++x) {
                const char kind = plan[y][x].toLatin1();
                if (areas[area].groups.contains(kind))
                    areas_[area].groups.append({areas[area].groups[kind], {x, y}, {x, y}});
                else if (kind == tile::kChest) areas_[area].chests.append({{x, y}});
            }
        }
    }
}

GameSession::CreatureGroup* GameSession::groupAt(QPoint cell) {
    for (CreatureGroup& group : areas_[place_.area].groups) {
        if (group.present && group.cell == cell) return &group;
    }
    return nullptr;
}

void GameSession::walk(QPoint direction) {
    const std::optional<Place> to = world::step(place_, direction);
    if (!to) {
        say(QStringLiteral("You cannot go that way."));
        return;
    }
    if (to->area == place_.area) {
        if (CreatureGroup* group = groupAt(to->cell)) {
            startFight(int(group - areas_[place_.area].groups.data()));
            return;
        }
    }
    const Place from = place_;
    place_ = *to;
    passTime();
    QList<QPoint> changed = {from.cell, place_.cell};
    if (from.area == place_.area) wander(changed);
    if (chestShown_) {
        panels::hideChest(out_);
        chestShown_ = false;
    }
    // First what the place does (a chest opens), so the map shows it as it is now.
    arriveAt(place_);
    if (from.area != place_.area || view_ != View::Map) showMap();
    else redrawMapCells(changed);
    drawTopBand();
    drawStatus();
    realm_.moved(*this, from);
    if (you_.health <= 0) {
        die();
        return;
    }
    // A creature that walked up to the player attacks.
    for (const QPoint& d : kDirections) {
        CreatureGroup* group = groupAt(place_.cell + d);
        if (group && changed.contains(group->cell)) {
            startFight(int(group - areas_[place_.area].groups.data()));
            return;
        }
    }
}

void GameSession::passTime() {
    ++you_.moves;
    if (you_.moves % kHungerEvery == 0 && you_.food > 0) --you_.food;
    if (you_.food == 0) {
        --you_.health;
        if (you_.moves % kStarvingReminderEvery == 0)
            say(QStringLiteral("You are starving! Eat something (U and its number)."));
    }
    if (you_.poisonedFor > 0) {
        --you_.poisonedFor;
        --you_.health;
    }
    if (you_.moves % kRestEvery == 0 && you_.food > 0 && you_.poisonedFor == 0) {
        you_.heal(1);
        you_.restoreMana(1);
    }
    refill();
}

void GameSession::wander(QList<QPoint>& changed) {
    for (CreatureGroup& group : areas_[place_.area].groups) {
        if (!group.present || you_.moves < group.calmUntilMove) continue;
        const bool near = distance(group.cell, place_.cell) <= kNoticeDistance;
        if (!random_.chance(near ? kCloseInChance : kWanderChance)) continue;
        QPoint step = kDirections[random_.below(4)];
        if (near) {  // close enough to notice the player: close in
            const QPoint gap = place_.cell - group.cell;
            step = qAbs(gap.x()) >= qAbs(gap.y()) ? QPoint(gap.x() > 0 ? 1 : -1, 0) : QPoint(0, gap.y() > 0 ? 1 : -1);
        }
        const QPoint to = group.cell + step;
        const bool peaceful = creatureType(group.creatures.first()).trait == CreatureTrait::Peaceful;
        if (to == place_.cell || peaceful || !isOpenFloor(world::tileAt({place_.area, to})) || groupAt(to)) continue;
        changed << group.cell << to;
        group.cell = to;
    }
}

void GameSession::refill() {
    for (int area = 0; area < int(areas_.size()); ++area) {
        const bool here = area == place_.area;
        for (CreatureGroup& group : areas_[area].groups) {
            if (!group.present && !(fight_ && here) && you_.moves >= group.returnsAtMove &&
                (!here || distance(group.home, place_.cell) > kNoticeDistance)) {
                group.present = true;
                group.cell = group.home;
                if (here && view_ == View::Map) redrawMapCells({group.cell});
            }
        }
        for (Chest& chest : areas_[area].chests) {
            if (!chest.closed && you_.moves >= chest.refillsAtMove && !(here && chest.cell == place_.cell)) {
                chest.closed = true;
                if (here) redrawMapCells({chest.cell});
            }
        }
    }
}

void GameSession::arriveAt(const Place& to) {
    switch (world::tileAt(to)) {
        case tile::kChest:
            panels::showChest(out_);
            chestShown_ = true;
            for (Chest& chest : areas_[to.area].chests) {
                if (chest.cell == to.cell) {
                    if (chest.closed) openChest(chest);
                    else say(QStringLiteral("The chest is empty. It may fill again."));
                }
            }
            break;
        case tile::kShrine:
            you_.heal(you_.maxHealth());
            you_.poisonedFor = 0;
            say(QStringLiteral("The shrine's warmth heals you."));
            break;
        case tile::kBank: say(QStringLiteral("The bank of Quorlak: bi and a number banks an item.")); break;
        default: break;
    }
}

void GameSession::openChest(Chest& chest) {
    chest.closed = false;
    chest.refillsAtMove = you_.moves + kChestRefillsAfter;
    const QList<int>& loot = treasureItems();
    const int item = loot[random_.below(loot.size())];
    const int gold = random_.between(kChestGoldLow, kChestGoldHigh);
    you_.gold += gold;
    say(QStringLiteral("You open the chest."));
    if (you_.addItem(item) >= 0) addMessage(treasureLine(QStringLiteral("a ") + itemType(item).name));
    else say(QStringLiteral("Your pack is full; you leave the %1.").arg(itemType(item).name));
    addMessage(treasureLine(QStringLiteral("%1 gold coins").arg(gold)));
}

MapMarks GameSession::mapMarks() const {
    MapMarks marks;
    marks.you = place_.cell;
    for (const GameSession* other : realm_.playersAt(place_.area, this)) marks.others.append(other->place().cell);
    const AreaState& here = areas_[place_.area];
    for (const CreatureGroup& group : here.groups) {
        if (group.present) marks.monsters.append(group.cell);
    }
    for (const Chest& chest : here.chests) {
        if (chest.closed) marks.closedChests.append(chest.cell);
    }
    return marks;
}

void GameSession::redrawMapCells(const QList<QPoint>& cells) {
    if (view_ == View::Map) map_view::redrawCells(out_, place_.area, cells, mapMarks());
}

void GameSession::showMap() {
    view_ = View::Map;
    drawView();
}

void GameSession::teleport(const Place& to) {
    const Place from = place_;
    place_ = to;
    view_ = View::Map;
    drawAll();
    realm_.moved(*this, from);
}

void GameSession::die() {
    const int lost = you_.gold / 2;
    ++you_.deaths;
    you_.gold -= lost;
    you_.health = qMax(1, you_.maxHealth() / 2);
    you_.food = qMax(you_.food, kFoodAfterDeath);
    you_.poisonedFor = 0;
    teleport(world::startPlace());
    say(QStringLiteral("You have died, and wake at the shrine. Lost %1 gold.").arg(lost));
}

QStringList GameSession::conditions() const {
    QStringList list;
    if (fight_) list << QStringLiteral("Fighting");
    if (you_.poisonedFor > 0) list << QStringLiteral("Poisoned");
    if (you_.food == 0) list << QStringLiteral("Starving");
    else if (you_.food < kHungryBelow) list << QStringLiteral("Hungry");
    if (you_.health < you_.maxHealth() / 4) list << QStringLiteral("Wounded");
    return list;
}

}  // namespace quorlak::server
