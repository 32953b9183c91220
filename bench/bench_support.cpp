#include "bench_support.h"

#include <fstream>
#include <sstream>

#include "canvas/data_files.h"

namespace quorlak::bench {

double peakMemoryMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        double kib = 0;
        fields >> kib;
        return kib / 1024.0;
    }
    return 0;
}

const Assets& assets() {
    static const Assets loaded{loadPictures(), loadTerminalFont()};
    return loaded;
}

}  // namespace quorlak::bench
