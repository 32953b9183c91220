#pragma once
// Screenshots of the game display: where they go and what they are called.

#include <QDateTime>
#include <QString>

namespace quorlak {

// "quorlak-2024-05-01-143022.png": sorts by time, and says what it shows.
QString screenshotName(const QDateTime& at);
// The player's pictures folder, or the home folder when there is none.
QString screenshotFolder();

}  // namespace quorlak
