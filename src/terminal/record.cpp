#include "terminal/record.h"

#include <array>
#include <utility>

namespace quorlak {
namespace {

// Compared in this order; the first match wins.
constexpr std::array<std::pair<std::string_view, RecordCode>, 17> kCodes{{
    {"cs", RecordCode::cs},
    {"pz", RecordCode::pz},
    {"pv", RecordCode::pv},
    {"lc", RecordCode::lc},
    {"ps", RecordCode::ps},
    {"ln", RecordCode::ln},
    {"bx", RecordCode::bx},
    {"fx", RecordCode::fx},
    {"cr", RecordCode::cr},
    {"ce", RecordCode::ce},
    {"pt", RecordCode::pt},
    {"po", RecordCode::po},
    {"cl", RecordCode::cl},
    {"bs", RecordCode::bs},
    {"cu", RecordCode::cu},
    {"cd", RecordCode::cd},
    {"cw", RecordCode::cw},
}};

}  // namespace

Record parseRecord(std::string_view raw) {
    if (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
    if (!raw.empty() && raw.front() == '\r') raw.remove_prefix(1);
    Record rec;
    if (raw.size() < 2) return rec;
    const std::string_view code = raw.substr(0, 2);
    rec.arg = raw.substr(2);
    for (const auto& [name, value] : kCodes) {
        if (code == name) {
            rec.code = value;
            break;
        }
    }
    return rec;
}

const char* recordCodeName(RecordCode code) {
    for (const auto& [name, value] : kCodes)
        if (value == code) return name.data();
    return "??";
}

}  // namespace quorlak
