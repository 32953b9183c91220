// Encounters: starting them, the rounds, and how they end.

#include "game_session.h"

#include <algorithm>

#include "encounter_view.h"
#include "screen_layout.h"

namespace quorlak::server {

namespace {
constexpr int kAccountPause = 40;  // between lines of the account, to be read as they come
}

void GameSession::startFight(int group) {
    CreatureGroup& creatures = areas_[place_.area].groups[group];
    creatures.present = false;  // off the map while it is being fought
    fight_.emplace(creatures.creatures, group);
    // The last fight's account goes with it.
    account_.clear(out_);
    redrawMapCells({creatures.cell});
    encounter_view::drawStart(out_, *fight_);
    markedSlot_ = fight_->isPeaceful() ? 0 : fight_->target;
    drawTopBand();
    drawStatus();
}

void GameSession::flee(QPoint direction) {
    if (!fight_->tryToFlee(you_, random_)) {
        addAccount(QStringLiteral("You cannot get away!"));
        playOut(fight_->foesTurn(you_, random_));
        afterRound();
        return;
    }
    addAccount(fight_->isPeaceful() ? QStringLiteral("You walk on.") : QStringLiteral("You get away!"));
    endFight(false);
    const std::optional<Place> to = world::step(place_, direction);
    if (to && !(to->area == place_.area && groupAt(to->cell))) walk(direction);
}

void GameSession::attackFoe(int slot) {
    if (slot != 0 && !fight_->aimAt(slot)) {
        say(QStringLiteral("There is no foe %1 to fight.").arg(slot));
        return;
    }
    playOut(fight_->attack(you_, random_));
    afterRound();
}

void GameSession::addAccount(const QString& line) {
    account_.add(out_, line.left(layout::kAccountWidth));
    out_.pause(kAccountPause);
}

void GameSession::redrawSlot(int slot) {
    encounter_view::drawSlot(out_, *fight_, slot);
    if (slot != markedSlot_) return;
    // Reprinting the line took its highlight away; draw the marker again, or
    // drop it when this foe is out of the fight.
    if (fight_->foes[slot - 1].isFighting()) {
        encounter_view::drawMarker(out_, slot);
    } else {
        encounter_view::clearMarker(out_, slot);
        markedSlot_ = 0;
    }
}

void GameSession::playOut(const QList<FightEvent>& events) {
    using Kind = FightEvent::Kind;
    for (const FightEvent& event : events) {
        addAccount(event.text);
        switch (event.kind) {
            case Kind::YouHit:
                encounter_view::flashHit(out_, *fight_, event.slot);
                redrawSlot(event.slot);
                break;
            case Kind::FoeDies:
                encounter_view::showDeath(out_, event.slot);
                redrawSlot(event.slot);
                break;
            case Kind::FoeHits: encounter_view::flashAttacker(out_, *fight_, event.slot); break;
            case Kind::FoeLeaves:
            case Kind::Theft:
            case Kind::Gift:
                encounter_view::clearPicture(out_, event.slot);
                redrawSlot(event.slot);
                break;
            case Kind::LevelUp: say(event.text); break;
            default: break;
        }
    }
}

void GameSession::drawMarker() {
    const int wanted = fight_->isOver() || fight_->isPeaceful() ? 0 : fight_->target;
    if (wanted == markedSlot_) return;
    if (markedSlot_ != 0) {
        encounter_view::clearMarker(out_, markedSlot_);
        encounter_view::drawSlot(out_, *fight_, markedSlot_);
    }
    if (wanted != 0) encounter_view::drawMarker(out_, wanted);
    markedSlot_ = wanted;
}

void GameSession::afterRound() {
    drawTopBand();  // kills and level
    drawStatus();
    if (you_.health <= 0) {
        addAccount(QStringLiteral("You have died!"));
        endFight(false);
        die();
        return;
    }
    if (fight_->isOver()) {
        endFight(true);
        return;
    }
    drawMarker();
}

void GameSession::endFight(bool foesBeaten) {
    CreatureGroup& group = areas_[place_.area].groups[fight_->group];
    const bool nobodyDied = std::none_of(fight_->foes.begin(), fight_->foes.end(),
                                         [](const Foe& f) { return f.state == Foe::State::Dead; });
    const bool peaceful = fight_->isPeaceful() || (foesBeaten && nobodyDied);
    if (foesBeaten) {
        group.returnsAtMove = you_.moves + kGroupReturnsAfter;
        if (!peaceful) addAccount(QStringLiteral("All foes are beaten."));
    } else {
        group.present = true;
        group.calmUntilMove = you_.moves + 3;
    }
    if (peaceful) encounter_view::drawPeace(out_);
    quietHeadline_ = encounter_view::endHeadline(peaceful);
    encounter_view::drawEnd(out_, peaceful);
    fight_.reset();
    markedSlot_ = 0;
    redrawMapCells({group.cell});
    drawTopBand();
    drawStatus();
}

}  // namespace quorlak::server
