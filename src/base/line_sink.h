#pragma once
// Somewhere lines of text go, one at a time (a file, or a test's memory).

#include <string_view>

namespace quorlak {

class LineSink {
public:
    virtual ~LineSink() = default;
    // Takes one line without its line end; false when it could not be taken.
    virtual bool writeLine(std::string_view line) = 0;
};

}  // namespace quorlak
