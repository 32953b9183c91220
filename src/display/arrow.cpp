// PLACEHOLDER: replaced by the display implementation.
#include "display/arrow.h"
namespace quorlak {
void ArrowMarker::arrow(bool) {}
}  // namespace quorlak
