#pragma once

#include <QList>
#include <QString>

class Character;
class Random;

struct Foe {
    enum class State { Fighting, Dead, Gone };

    int type = 0;
    int health = 0;
    State state = State::Fighting;
    bool isFighting() const { return state == State::Fighting; }
};

// One line of the fight's account, with what the screen should show for it.
struct FightEvent {
    enum class Kind {
        YouHit,
        YouMiss,
        FoeDies,
        FoeHits,
        FoeMisses,
        Drain,
        Poison,
        Theft,
        FoeLeaves,
        Gift,
        Calm,
        LevelUp
    };

    Kind kind;
    int slot = 0;  // 1-4, 0 when no foe is concerned
    QString text;
};

// The rules of an encounter with up to four foes. Each player action returns
// the account of what happened, the foes' answer included; the character is
// changed in place.
class Fight {
public:
    static constexpr int maxFoes = 4;

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
