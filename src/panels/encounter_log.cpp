#include "panels/encounter_log.h"

namespace quorlak {

void logClear(LogModel& log) {
    log.exists = true;
    log.text.clear();
    ++log.resets;
    log.touch();
}

void logAdd(LogModel& log, std::string_view line) {
    log.exists = true;
    log.text.append(line).append("\r\n");
    if (log.text.size() > LogModel::kMaxBytes) {
        // Drop whole lines from the front, keeping about three quarters of the bound.
        size_t cut = log.text.size() - LogModel::kMaxBytes * 3 / 4;
        const size_t eol = log.text.find("\r\n", cut);
        cut = eol == std::string::npos ? log.text.size() : eol + 2;
        log.text.erase(0, cut);
        ++log.resets;
    }
    log.touch();
}

}  // namespace quorlak
