#pragma once
// A CoreHost and Clock that only record what the core asks of them.

#include <string>
#include <vector>

#include "base/clock.h"
#include "core/core_host.h"

namespace quorlak::test {

class FakeClock : public Clock {
public:
    double nowMs() const override { return now; }
    double now = 0;
};

class FakeHost : public CoreHost {
public:
    void write(std::string_view bytes) override { writes.emplace_back(bytes); }
    void beep() override { ++beeps; }
    void broadcastKey(int16_t vk) override { broadcasts.push_back(vk); }
    uint16_t heldModifiers() const override { return modifiers; }
    std::string clipboardText() const override { return clipboard; }
    void showItemMenu() override { ++menusShown; }

    std::vector<std::string> writes;
    std::vector<int16_t> broadcasts;
    int beeps = 0;
    int menusShown = 0;
    uint16_t modifiers = 0;
    std::string clipboard;
};

}  // namespace quorlak::test
