// PLACEHOLDER: replaced by the display implementation.
#include "display/layout.h"
namespace quorlak {
void applyLayout(int, int, ItemGridModel&, MessageGridModel&) {}
void zorderOnFormMove(uint8_t, TabStripModel&) {}
void zorderOnItemsMove(int, uint8_t, const ItemGridModel&, TabStripModel&) {}
}  // namespace quorlak
