#pragma once
// The record commands on a canvas, with screen events that let every line
// through and a text entry box for the input field, so drawing can be
// checked pixel by pixel.

#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/data_files.h"
#include "commands/record_commands.h"
#include "input/text_entry.h"
#include "test_app.h"

namespace quorlak::test {

constexpr QRgb kOrangeFore = kOrange;

class RecordingEvents : public NoScreenEvents {
public:
    bool textLine(std::string& text) override {
        seen.push_back(text);
        return true;
    }
    void itemRowMarked() override { ++itemRowMarks; }
    void inputFieldOpened(const InputFieldPlacement& placement) override { entry.fieldOpened(placement, textBoxMode); }
    void inputFieldClosed() override { entry.fieldClosed(); }

    std::vector<std::string> seen;
    int itemRowMarks = 0;
    bool textBoxMode = false;
    TextEntry entry;
};

// A picture of one colour, or of four quadrants, to see where and how big it lands.
inline QImage solidPicture(int w, int h, QRgb color) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(color);
    return img;
}

inline QImage quadrantPicture(QRgb tl, QRgb tr, QRgb bl, QRgb br) {
    QImage img(2, 2, QImage::Format_ARGB32);
    img.setPixel(0, 0, tl);
    img.setPixel(1, 0, tr);
    img.setPixel(0, 1, bl);
    img.setPixel(1, 1, br);
    return img;
}

struct GuiAppBeforeRig {
    GuiAppBeforeRig() { ensureGuiApp(); }
};

class DisplayRig : public ::testing::Test, private GuiAppBeforeRig {
protected:
    DisplayRig() { canvas.setFont(loadTerminalFont()); }

    // One received chunk: the records separated by the separator.
    void feed(std::string_view chunk) {
        commands.beginChunk();
        size_t start = 0;
        while (start <= chunk.size()) {
            size_t end = chunk.find('\x1f', start);
            if (end == std::string_view::npos) end = chunk.size();
            commands.run(parseRecord(chunk.substr(start, end - start)));
            start = end + 1;
        }
    }

    QRgb px(int x, int y) const { return canvas.image().pixel(x, y); }

    // Pixels of `color` within the inclusive rectangle.
    int count(QRgb color, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += px(x, y) == color;
        return n;
    }
    int countAll(QRgb color) const { return count(color, 0, 0, Canvas::kSize - 1, Canvas::kSize - 1); }
    bool allOf(QRgb color, int x0, int y0, int x1, int y1) const {
        return count(color, x0, y0, x1, y1) == (x1 - x0 + 1) * (y1 - y0 + 1);
    }

    const TextBoxModel& box() const { return events.entry.box(); }

    Canvas canvas;
    Pictures pictures;
    RecordingEvents events;
    RecordCommands commands{canvas, pictures, events};
};

}  // namespace quorlak::test
