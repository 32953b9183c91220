#include "input/us_layout.h"

#include <string_view>

namespace quorlak {

namespace {

// The punctuation and digit keys: what each types alone and with Shift.
constexpr std::u32string_view kPlain = U"`1234567890-=[]\\;',./";
constexpr std::u32string_view kShifted = U"~!@#$%^&*()_+{}|:\"<>?";
constexpr int16_t kCodes[] = {192, 49,  50,  51,  52,  53,  54,  55,  56,  57, 48,
                              189, 187, 219, 221, 220, 186, 222, 188, 190, 191};
static_assert(std::size(kCodes) == kPlain.size() && kPlain.size() == kShifted.size());

}  // namespace

std::optional<UsKey> usKeyFor(char32_t ch) {
    if (ch >= U'a' && ch <= U'z') return UsKey{static_cast<int16_t>(ch - U'a' + 'A'), false};
    if (ch >= U'A' && ch <= U'Z') return UsKey{static_cast<int16_t>(ch), true};
    if (ch == U' ') return UsKey{32, false};
    if (const size_t at = kPlain.find(ch); at != std::u32string_view::npos) return UsKey{kCodes[at], false};
    if (const size_t at = kShifted.find(ch); at != std::u32string_view::npos) return UsKey{kCodes[at], true};
    return std::nullopt;
}

}  // namespace quorlak
