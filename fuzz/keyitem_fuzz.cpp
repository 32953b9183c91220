// The stand-in server's reader of the client's key stream: arbitrary bytes,
// cut at arbitrary places, must give the same events as in one piece, and
// every event must be one the game can act on.
#include <QByteArrayView>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "key_item_parser.h"

using quorlak::server::KeyEvent;
using quorlak::server::KeyItemParser;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks where reads are cut.
    const size_t cut = 1 + data[0] % 7;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    // Kept from input to input, so that an input costs only its parsing.
    static std::vector<KeyEvent> once, cutUp;
    once.clear();
    cutUp.clear();

    KeyItemParser whole;
    whole.feed(bytes, [](const KeyEvent& e) { once.push_back(e); });

    KeyItemParser pieces;
    for (qsizetype pos = 0; pos < bytes.size(); pos += qsizetype(cut))
        pieces.feed(bytes.sliced(pos, std::min<qsizetype>(qsizetype(cut), bytes.size() - pos)),
                    [](const KeyEvent& e) { cutUp.push_back(e); });
    if (cutUp != once) __builtin_trap();

    size_t zeros = 0;
    for (const char b : bytes) zeros += b == '\0';
    size_t keepAlives = 0;
    for (const KeyEvent& e : once) {
        if (e.kind == KeyEvent::Kind::KeepAlive) {
            if (e.code != 0 || e.mask != 0) __builtin_trap();
            ++keepAlives;
            continue;
        }
        if (e.code < 0 || e.code > 0xFFFF || e.mask < 0 || e.mask > 9) __builtin_trap();
    }
    // Each keep-alive takes two zero bytes; there can be no more than those allow.
    if (keepAlives * 2 > zeros) __builtin_trap();
    // An item takes at least five bytes (" 1, 0"); the count is bounded by the input.
    if ((once.size() - keepAlives) * 5 > size_t(bytes.size())) __builtin_trap();
    return 0;
}
