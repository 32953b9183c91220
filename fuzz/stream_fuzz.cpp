// Feeds arbitrary server data through the whole client core, cut into
// chunks and interleaved with the clock moving on, as a hostile server could.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "session/client_core.h"
#include "session/data_files.h"

namespace {

class Clock : public quorlak::Clock {
public:
    double nowMs() const override { return now; }
    double now = 0;
};

class Host : public quorlak::CoreHost {
public:
    void write(std::string_view) override {}
    void beep() override {}
    void broadcastKey(int16_t) override {}
    uint16_t heldModifiers() const override { return 0; }
    std::string clipboardText() const override { return {}; }
    void showItemMenu() override {}
};

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "stream-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's font data may be gone before a static's destructor runs.
    static auto* instance = new QGuiApplication(argc, argv);
    return *instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    app();
    static const quorlak::Pictures pictures = quorlak::loadPictures();
    static const QFont font = quorlak::loadTerminalFont();

    quorlak::GlobalVars globals;
    Host host;
    Clock clock;
    auto core = std::make_unique<quorlak::ClientCore>(globals, host, clock);
    core->load(pictures, font);
    core->setConnected(true);
    core->resize(512, 512);

    // The first byte picks the chunk size; bytes 0xFE in the data also let the clock run.
    if (size == 0) return 0;
    const size_t chunk = 1 + data[0] % 64;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    while (!rest.empty()) {
        const std::string_view piece = rest.substr(0, chunk);
        rest.remove_prefix(piece.size());
        core->receive(piece);
        if (piece.find('\xfe') != std::string_view::npos) {
            clock.now += 40000;
            core->poll();
        }
    }
    clock.now += 100000;
    core->poll();
    return 0;
}
