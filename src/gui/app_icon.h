#pragma once
// The client's icon, from the data files (data/icons/quorlak-N.png).

#include <QIcon>

namespace quorlak {

// Every size found; an empty icon when none is (the desktop shows its own).
QIcon appIcon();

}  // namespace quorlak
