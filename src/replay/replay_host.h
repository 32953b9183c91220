#pragma once
// The world as the replay driver plays it: a host that records what the
// client does instead of doing it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/core_host.h"
#include "replay/scripted_desktop.h"

namespace quorlak {

class ReplayHost : public CoreHost, public ScriptedDesktop {
public:
    void write(std::string_view bytes) override { sent_.emplace_back(bytes); }
    void beep() override { ++beeps_; }
    // No other client window listens: the broadcast is only noted.
    void broadcastKey(int16_t vk) override { broadcasts_.push_back(vk); }
    uint16_t heldModifiers() const override { return held_; }
    std::string clipboardText() const override { return clipboard_; }
    void showItemMenu() override { ++itemMenus_; }

    void setHeldModifiers(uint16_t mask) override { held_ = mask; }
    void setClipboard(std::string bytes) override { clipboard_ = std::move(bytes); }

    const std::vector<std::string>& sent() const { return sent_; }
    const std::vector<int16_t>& broadcasts() const { return broadcasts_; }
    int beeps() const { return beeps_; }
    int itemMenus() const { return itemMenus_; }

private:
    std::vector<std::string> sent_;
    std::vector<int16_t> broadcasts_;
    std::string clipboard_;
    uint16_t held_ = 0;
    int beeps_ = 0;
    int itemMenus_ = 0;
};

}  // namespace quorlak
