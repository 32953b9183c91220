#pragma once
// One place in a character's pack.

namespace quorlak::server {

// The bank keeps items in their place, marked banked.
struct PackSlot {
    int type = -1;  // index into itemTypes(), -1 when empty
    bool banked = false;
    bool isEmpty() const { return type < 0; }
};

}  // namespace quorlak::server
