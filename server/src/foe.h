#pragma once
// One creature in an encounter.

namespace quorlak::server {

struct Foe {
    enum class State { Fighting, Dead, Gone };

    int type = 0;  // index into creatureTypes()
    int health = 0;
    State state = State::Fighting;
    bool isFighting() const { return state == State::Fighting; }
};

}  // namespace quorlak::server
