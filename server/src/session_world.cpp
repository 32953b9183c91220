// Walking, the map and what lies on it.

#include "catalog.h"
#include "encounter_view.h"
#include "game_session.h"
#include "list_screens.h"
#include "realm.h"
#include "screen_layout.h"

namespace {

constexpr int chestRefillsAfter = 150;
constexpr int hungerEvery = 2;  // moves per point of food
constexpr int restEvery = 4;    // moves per point of health and mana regained

bool isOpenFloor(char tile) { return tile == Tile::Floor || (tile >= '1' && tile <= '9'); }

int distance(QPoint a, QPoint b) { return qAbs(a.x() - b.x()) + qAbs(a.y() - b.y()); }

const QPoint directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

}  // namespace

void GameSession::buildAreas() {
    const QList<Area>& areas = World::areas();
    areas_.resize(areas.size());
    for (int a = 0; a < areas.size(); ++a) {
        const QStringList& plan = areas[a].plan;
        for (int y = 0; y < plan.size(); ++y) {
            for (int x = 0; x < plan[y].size(); ++x) {
                const char tile = plan[y][x].toLatin1();
                if (areas[a].groups.contains(tile)) areas_[a].groups.append({areas[a].groups[tile], {x, y}, {x, y}});
                else if (tile == Tile::Chest) areas_[a].chests.append({{x, y}});
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
    const std::optional<Place> to = World::step(place_, direction);
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
        Panels::hideChest(out_);
        chestShown_ = false;
    }
    if (from.area != place_.area || view_ != View::Map) showMap();
    else redrawMapCells(changed);
    arriveAt(place_);
    drawTopBand();
    drawStatus();
    realm_.moved(*this, from);
    if (you_.health <= 0) {
        die();
        return;
    }
    // A creature that walked up to the player attacks.
    for (const QPoint& d : directions) {
        CreatureGroup* group = groupAt(place_.cell + d);
        if (group && changed.contains(group->cell)) {
            startFight(int(group - areas_[place_.area].groups.data()));
            return;
        }
    }
}

void GameSession::passTime() {
    ++you_.moves;
    if (you_.moves % hungerEvery == 0 && you_.food > 0) --you_.food;
    if (you_.food == 0) {
        --you_.health;
        if (you_.moves % 5 == 0) say(QStringLiteral("You are starving! Eat something (U and its number)."));
    }
    if (you_.poisonedFor > 0) {
        --you_.poisonedFor;
        --you_.health;
    }
    if (you_.moves % restEvery == 0 && you_.food > 0 && you_.poisonedFor == 0) {
        you_.heal(1);
        you_.restoreMana(1);
    }
    refill();
}

void GameSession::wander(QList<QPoint>& changed) {
    for (CreatureGroup& group : areas_[place_.area].groups) {
        if (!group.present || you_.moves < group.calmUntilMove) continue;
        const bool near = distance(group.cell, place_.cell) <= 4;
        if (!random_.chance(near ? 50 : 30)) continue;
        QPoint step = directions[random_.below(4)];
        if (near) {  // close enough to notice the player: close in
            const QPoint gap = place_.cell - group.cell;
            step = qAbs(gap.x()) >= qAbs(gap.y()) ? QPoint(gap.x() > 0 ? 1 : -1, 0) : QPoint(0, gap.y() > 0 ? 1 : -1);
        }
        const QPoint to = group.cell + step;
        const bool peaceful = creatureType(group.creatures.first()).trait == CreatureTrait::Peaceful;
        if (to == place_.cell || peaceful || !isOpenFloor(World::tile({place_.area, to})) || groupAt(to)) continue;
        changed << group.cell << to;
        group.cell = to;
    }
}

void GameSession::refill() {
    for (int a = 0; a < int(areas_.size()); ++a) {
        const bool here = a == place_.area;
        for (CreatureGroup& group : areas_[a].groups) {
            if (!group.present && !(fight_ && here) && you_.moves >= group.returnsAtMove &&
                (!here || distance(group.home, place_.cell) > 4)) {
                group.present = true;
                group.cell = group.home;
                if (here && view_ == View::Map) redrawMapCells({group.cell});
            }
        }
        for (Chest& chest : areas_[a].chests) {
            if (!chest.closed && you_.moves >= chest.refillsAtMove && !(here && chest.cell == place_.cell))
                chest.closed = true;
        }
    }
}

void GameSession::arriveAt(const Place& to) {
    switch (World::tile(to)) {
        case Tile::Chest:
            Panels::showChest(out_);
            chestShown_ = true;
            for (Chest& chest : areas_[to.area].chests) {
                if (chest.cell == to.cell) {
                    if (chest.closed) openChest(chest);
                    else say(QStringLiteral("The chest is empty. It may fill again."));
                }
            }
            break;
        case Tile::Shrine:
            you_.heal(you_.maxHealth());
            you_.poisonedFor = 0;
            say(QStringLiteral("The shrine's warmth heals you."));
            break;
        case Tile::Bank: say(QStringLiteral("The bank of Quorlak: bi and a number banks an item.")); break;
        default: break;
    }
}

void GameSession::openChest(Chest& chest) {
    chest.closed = false;
    chest.refillsAtMove = you_.moves + chestRefillsAfter;
    const QList<int>& loot = treasureItems();
    const int item = loot[random_.below(loot.size())];
    const int gold = random_.between(5, 30);
    you_.gold += gold;
    say(QStringLiteral("You open the chest."));
    if (you_.addItem(item) >= 0) addMessage(Layout::treasureLine(QStringLiteral("a ") + itemType(item).name));
    else say(QStringLiteral("Your pack is full; you leave the %1.").arg(itemType(item).name));
    addMessage(Layout::treasureLine(QStringLiteral("%1 gold coins").arg(gold)));
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
    if (view_ == View::Map) MapView::redrawCells(out_, place_.area, cells, mapMarks());
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
    you_.food = qMax(you_.food, 50);
    you_.poisonedFor = 0;
    teleport(World::startPlace());
    say(QStringLiteral("You have died, and wake at the shrine. Lost %1 gold.").arg(lost));
}

QStringList GameSession::conditions() const {
    QStringList list;
    if (fight_) list << QStringLiteral("Fighting");
    if (you_.poisonedFor > 0) list << QStringLiteral("Poisoned");
    if (you_.food == 0) list << QStringLiteral("Starving");
    else if (you_.food < 30) list << QStringLiteral("Hungry");
    if (you_.health < you_.maxHealth() / 4) list << QStringLiteral("Wounded");
    return list;
}
