#include "wire/coords.h"

#include <optional>
#include <string>

#include "base/val_rule.h"

namespace quorlak {

bool decodePoints(std::string_view dstream, Points& pts) {
    // Nearly every argument is short enough to be rewritten on the stack.
    char local[64];
    std::string longer;
    char* buffer = local;
    if (dstream.size() > sizeof local) {
        longer.resize(dstream.size());
        buffer = longer.data();
    }
    for (size_t i = 0; i < dstream.size(); ++i) {
        const char c = dstream[i];
        buffer[i] = (c == '(' || c == ')') ? ' ' : c == '-' ? ',' : c;
    }
    const std::string_view text(buffer, dstream.size());

    std::optional<int16_t> numbers[4];
    size_t pieces = 0;
    size_t start = 0;
    while (pieces < 4) {
        const size_t comma = text.find(',', start);
        const std::string_view piece =
            text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        numbers[pieces] = toInt16(valNumber(piece));
        if (!numbers[pieces]) return false;
        ++pieces;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (pieces < 2) return false;

    pts.x[0] = *numbers[0];
    pts.y[0] = *numbers[1];
    if (pieces >= 3) pts.x[1] = *numbers[2];
    if (pieces >= 4) pts.y[1] = *numbers[3];
    return true;
}

}  // namespace quorlak
