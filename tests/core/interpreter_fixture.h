#pragma once
// A text interpreter wired to plain models, with the game screen begun.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "panels/text_interpreter.h"
#include "test_app.h"

namespace quorlak::test {

class RecordingHost : public CoreHost {
public:
    int beeps = 0;
    void write(std::string_view) override {}
    void beep() override { ++beeps; }
    void broadcastKey(int16_t) override {}
    uint16_t heldModifiers() const override { return 0; }
    std::string clipboardText() const override { return {}; }
    void showItemMenu() override {}
};

struct GuiAppFirst {
    GuiAppFirst() { ensureGuiApp(); }
};

class InterpreterTest : public ::testing::Test, private GuiAppFirst {
protected:
    InterpreterTest() { state.cdseen = true; }

    // Runs one line at the given drawing position; returns whether it is printed.
    bool feed(float x, float y, std::string& text) {
        canvas.currentX = x;
        canvas.currentY = y;
        return interpreter.pretext(text);
    }
    bool feed(float x, float y, std::string&& text) { return feed(x, y, text); }

    ClientState state;
    Canvas canvas;
    ItemGridModel items;
    MessageGridModel messages;
    TabStripModel tabs;
    LogModel log;
    MenuModel menus;
    WindowModel window;
    RecordingHost host;
    // Each top-row move, with whether `scrolling` was set during it.
    std::vector<std::pair<int, bool>> topRowMoves;
    TextInterpreter interpreter{{state, canvas, items, messages, tabs, log, menus, window, host,
                                 [this](int row) { topRowMoves.emplace_back(row, state.scrolling); }}};
};

}  // namespace quorlak::test
