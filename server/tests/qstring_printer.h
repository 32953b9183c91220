#pragma once
// Test messages show a QString as its text. Every test source that compares
// QStrings includes this, so all of them print alike.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
