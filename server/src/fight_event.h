#pragma once
// One line of a fight's account, with what the screen should show for it.

#include <QString>

namespace quorlak::server {

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

}  // namespace quorlak::server
