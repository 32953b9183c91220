#pragma once
// Test support: the real client reading the server's stream. Its core runs
// headless through the replay driver's library on a virtual clock; what it
// shows is read from the state JSON the replay driver writes, whose keys are
// a fixed contract.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <string_view>

#include "canvas/data_files.h"
#include "qstring_printer.h"
#include "replay/replay_session.h"
#include "replay/script.h"
#include "replay/state_json.h"
#include "screen_layout.h"

namespace quorlak::server::test {

class ClientScreen {
public:
    static constexpr double kPauseStepMs = 250;
    static constexpr QRgb kRed = 0xffff0000;

    ClientScreen() : replay_(Pictures{}, loadTerminalFont()) {}

    // Bytes from the server arrive; the clock then runs past every pause in them.
    void receive(const QByteArray& bytes) {
        replay_.receiveFile(bytes.toStdString());
        while (replay_.heldBytes() > 0 || replay_.waitingInputs() > 0) replay_.advance(kPauseStepMs);
    }
    // One player action, as a line of a replay script.
    void act(std::string_view scriptLine) {
        std::string error;
        const auto event = parseScriptLine(scriptLine, error);
        ASSERT_TRUE(event) << scriptLine << ": " << error;
        ASSERT_TRUE(replay_.run(*event, error)) << error;
    }
    // Lets the clock run on, for writes the client paces.
    void wait(double ms) { replay_.advance(ms); }
    // What the client wrote to the server since the last call.
    QByteArray takeWrites() {
        QByteArray bytes;
        const auto& sent = replay_.host().sent();
        for (; writesTaken_ < sent.size(); ++writesTaken_) bytes += QByteArray::fromStdString(sent[writesTaken_]);
        return bytes;
    }

    QJsonObject state() const {
        const std::string json = stateJson(replay_.core(), replay_.host(), replay_.now());
        return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    }
    // Pixels of the display area inside `area` drawn in `colour`, or (when
    // `colour` is 0) in anything but the background.
    int pixelsIn(const QRect& area, QRgb colour = 0) const {
        const QImage& image = replay_.core().canvas().image();
        const QRgb background = colour ? 0 : QColor(state()["backcolor"].toString()).rgb();
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = image.pixel(x, y) | 0xff000000;
                count += colour ? pixel == colour : pixel != background;
            }
        }
        return count;
    }
    // The encounter slots whose number is painted red, the client's highlight;
    // lines the animations draw may cross the rest of a slot's line.
    QList<int> redSlots() const {
        QList<int> red;
        for (int slot = 1; slot <= 4; ++slot) {
            const QPoint at(layout::kSlotX[slot], layout::kSlotY[slot] - layout::kTextTopAbove);
            if (pixelsIn(QRect(at, QSize(layout::kCharWidth, 16)), kRed) > 0) red.append(slot);
        }
        return red;
    }

private:
    ReplaySession replay_;
    size_t writesTaken_ = 0;
};

}  // namespace quorlak::server::test
