#include "wire/record.h"

namespace quorlak {
Record parseRecord(std::string_view raw) {
    if (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
    if (!raw.empty() && raw.front() == '\r') raw.remove_prefix(1);
    Record rec;
    if (raw.size() < 2) return rec;
    const std::string_view code = raw.substr(0, 2);
    rec.arg = raw.substr(2);
    for (const auto& entry : kRecordCodes) {
        if (code == entry.name) {
            rec.code = entry.code;
            break;
        }
    }
    return rec;
}

const char* recordCodeName(RecordCode code) {
    for (const auto& entry : kRecordCodes)
        if (entry.code == code) return entry.name.data();
    return "??";
}

}  // namespace quorlak
