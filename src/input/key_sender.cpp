// PLACEHOLDER: replaced by the input implementation.
#include "input/key_sender.h"
namespace quorlak {
void KeySender::sendkey(int16_t, int16_t) {}
void KeySender::sendkeys(std::string_view, bool) {}
void KeySender::poll() {}
std::optional<double> KeySender::nextWake() const { return std::nullopt; }
void KeySender::enqueue(std::string, bool) {}
}  // namespace quorlak
