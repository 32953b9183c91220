#pragma once
// Where the client's data files are found, and loading them: beside the
// executable first (the build tree), then the data directory as installed
// relative to it (share/quorlak under the same prefix), then where the
// build meant to install it.

#include <QFont>
#include <QString>
#include <QStringList>

#include "canvas/pictures.h"

namespace quorlak {

// Directories searched for data files, in order. Needs a Qt application.
QStringList dataDirs();
// Full path of the first existing `relative` file in dataDirs(), or empty.
QString findDataFile(const QString& relative);
// Installs KELVOASCII.TTF for this process (a missing file is not an error:
// the platform substitutes a face) and returns the terminal font: face
// "KELVOASCII", 12 points at 16 pixels, no anti-aliasing.
QFont loadTerminalFont();
Pictures loadPictures();

}  // namespace quorlak
