#pragma once
// The rules of an encounter with up to four foes. Each player action returns
// the account of what happened, the foes' answer included; the character is
// changed in place.

#include <QList>
#include <QString>

#include "fight_event.h"
#include "foe.h"

namespace quorlak::server {

class Character;
class Random;

class Fight {
public:
    static constexpr int kMaxFoes = 4;

    Fight(const QList<int>& creatures, int group);

    QList<Foe> foes;  // slot n is foes[n - 1]
    int target = 1;
    int group = -1;  // the group on the map this fight came from

    bool isOver() const;
    bool isPeaceful() const;  // nobody here wants to fight
    QString foeName(int slot) const;
    QString opening() const;

    // Makes `slot` the target if that foe still fights; false otherwise.
    bool aimAt(int slot);

    QList<FightEvent> attack(Character& you, Random& random);
    QList<FightEvent> strike(Character& you, Random& random, int slot, int damage);
    QList<FightEvent> strikeAll(Character& you, Random& random, int low, int high);
    QList<FightEvent> offer(Character& you, Random& random, int packSlot);
    QList<FightEvent> foesTurn(Character& you, Random& random);
    bool tryToFlee(const Character& you, Random& random) const;

private:
    void damage(Character& you, int slot, int amount, QList<FightEvent>& events);
    void foeActs(Character& you, Random& random, int slot, QList<FightEvent>& events);
    void retarget();

    bool angered_ = false;
};

}  // namespace quorlak::server
