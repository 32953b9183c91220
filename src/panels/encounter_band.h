#pragma once
// Creature names that the client shows differently from the server.

#include <string>

namespace quorlak {

// Renames, in order: "Arctic" to "Furry", "Wolf" to "Husky", "Wolves" to "Huskies".
void substituteCreatureNames(std::string& text);

}  // namespace quorlak
