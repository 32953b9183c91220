#pragma once
// A screen reader wired to plain models, reading lines as the game screen shows them.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "panels/screen_reader.h"
#include "test_app.h"

namespace quorlak::test {

struct GuiAppFirst {
    GuiAppFirst() { ensureGuiApp(); }
};

class InterpreterTest : public ::testing::Test, private GuiAppFirst {
protected:
    // Runs one line at the given drawing position; returns whether it is printed.
    bool feed(float x, float y, std::string& text) {
        canvas.currentX = x;
        canvas.currentY = y;
        return interpreter.readTextLine(text);
    }
    bool feed(float x, float y, std::string&& text) { return feed(x, y, text); }

    const StatusValues& status() const { return interpreter.status(); }
    const CaptionsModel& captions() const { return interpreter.captions(); }

    Canvas canvas;
    ItemGridModel items;
    MessageGridModel messages;
    TabStripModel tabs;
    LogModel log;
    int warnings = 0;
    // Each top-row move, with whether the reader said it was following the list.
    std::vector<std::pair<int, bool>> topRowMoves;
    ScreenReader interpreter{{canvas, items, messages, tabs, log,
                              [this](int row) { topRowMoves.emplace_back(row, interpreter.paging().following); },
                              [this] { ++warnings; }}};
};

}  // namespace quorlak::test
