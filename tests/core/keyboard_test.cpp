// The entry box's own keys and the broadcast characters; the rest of the keyboard
// is checked end to end through the replay driver.
#include "input/keyboard.h"

#include <gtest/gtest.h>

#include <vector>

#include "canvas/canvas.h"

#include "fake_host.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

using Writes = std::vector<std::string>;

class KeyHandling : public ::testing::Test {
protected:
    void showBox(std::string text = {}) {
        entry.fieldOpened({100, 40, 10, 0, 0}, true);  // 82 wide, 18 high, with the keyboard
        entry.setText(std::move(text));
    }

    FakeHost host;
    FakeClock clock;
    TextEntry entry;
    const TextBoxModel& box = entry.box();
    Canvas canvas;
    SidePanels panels{canvas, [](int) {}, [] {}};
    int restarts = 0;
    KeySender sender{clock, box, [this](std::string_view bytes) { host.write(bytes); }};
    Keyboard keyboard{{sender, entry, panels, [this] { return host.clipboardText(); }, [this] { ++restarts; },
                       [this](int16_t vk, uint16_t) { host.broadcastKey(vk); }}};
};

}  // namespace

TEST_F(KeyHandling, UpAndDownMoveTheFocusedBoxByItsHeightWithoutBounds) {
    showBox();
    keyboard.keyDown(38, 0);
    EXPECT_EQ(box.geometry.top, 22);
    keyboard.keyDown(38, 0);
    keyboard.keyDown(38, 0);
    EXPECT_EQ(box.geometry.top, -14);
    keyboard.keyDown(40, 1);
    EXPECT_EQ(box.geometry.top, 4);
    keyboard.keyDown(38, 2);  // sent, and still moves
    EXPECT_EQ(box.geometry.top, -14);
    EXPECT_EQ(host.writes, (Writes{" 38, 2"}));
}

TEST_F(KeyHandling, BoxKeysNeedTheBoxVisibleAndFocused) {
    showBox();
    entry.focusEntered(FocusHolder::FocusSink);
    keyboard.keyDown(40, 0);
    EXPECT_EQ(box.geometry.top, 40);
    entry.focusEntered(FocusHolder::TextBox);
    entry.fieldClosed();
    keyboard.keyDown(40, 0);
    EXPECT_EQ(box.geometry.top, 40);
}

TEST_F(KeyHandling, BroadcastCharactersWhateverTheBox) {
    for (int16_t ch : {96, 126, 58, 102, 59}) keyboard.keyPress(ch, 0);
    showBox();
    keyboard.keyPress(58, 0);
    EXPECT_EQ(host.broadcasts, (std::vector<int16_t>{70, 70, 79, 79}));
    EXPECT_TRUE(host.writes.empty());
}

// --- modes -----------------------------------------------------------------------
