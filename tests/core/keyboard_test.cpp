// The main window's key handling, character handling, modes and the keep-alive.
#include "input/keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fake_host.h"
#include "session/client_core.h"
#include "test_app.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

using Writes = std::vector<std::string>;

class KeyHandling : public ::testing::Test {
protected:
    void showBox(std::string text = {}) {
        box.visible = true;
        box.focused = true;
        box.text = std::move(text);
        box.geometry = {100, 40, 82, 18};
    }

    FakeHost host;
    FakeClock clock;
    ClientState state;
    TextBoxModel box;
    MenuModel menus;
    LogModel log;
    int restarts = 0;
    KeySender sender{clock, box, [this](std::string_view bytes) { host.write(bytes); }};
    Keyboard keyboard{{state, sender, box, menus, log, host, [this] { ++restarts; }}};
};

}  // namespace

// --- key down --------------------------------------------------------------------

TEST_F(KeyHandling, CtrlIRequestsSixPagesThenSendsItself) {
    keyboard.keyDown(73, 2);
    EXPECT_EQ(state.itemsexpected, 84);
    EXPECT_EQ(host.writes, (Writes{" 118, 0", " 49, 0", " 118, 0", " 50, 0", " 118, 0", " 51, 0", " 118, 0",
                                   " 52, 0", " 118, 0", " 53, 0", " 118, 0", " 54, 0", " 73, 2"}));
    host.writes.clear();
    state.itemsexpected = 0;
    keyboard.keyDown(73, 3);  // only Ctrl alone
    keyboard.keyDown(73, 0);
    EXPECT_EQ(host.writes, (Writes{" 73, 3", " 73, 0"}));
    EXPECT_EQ(state.itemsexpected, 0);
}

TEST_F(KeyHandling, BareModifiersSendNothingAndLeaveTheTimer) {
    keyboard.keyDown(16, 1);
    keyboard.keyDown(17, 2);
    keyboard.keyDown(18, 4);
    EXPECT_TRUE(host.writes.empty());
    EXPECT_EQ(restarts, 0);
}

TEST_F(KeyHandling, BoxHiddenSendsEveryKeyWithItsMask) {
    keyboard.keyDown(65, 0);
    keyboard.keyDown(65, 1);
    keyboard.keyDown(112, 0);
    keyboard.keyDown(38, 0);
    EXPECT_EQ(host.writes, (Writes{" 65, 0", " 65, 1", " 112, 0", " 38, 0"}));
    EXPECT_EQ(restarts, 4);
}

TEST_F(KeyHandling, BoxVisibleSendsOnlyEscPagingAndCtrlOrAltKeys) {
    showBox("ignored");
    for (int16_t key : {65, 112, 8, 32}) keyboard.keyDown(key, 0);
    keyboard.keyDown(65, 1);
    EXPECT_TRUE(host.writes.empty());
    keyboard.keyDown(27, 0);
    keyboard.keyDown(33, 1);
    keyboard.keyDown(34, 0);
    keyboard.keyDown(65, 2);
    keyboard.keyDown(65, 4);
    EXPECT_EQ(host.writes, (Writes{" 27, 0", " 33, 1", " 34, 0", " 65, 2", " 65, 4"}));
    EXPECT_EQ(restarts, 10);  // every key restarts the timer, sent or not
}

TEST_F(KeyHandling, EnterInTheBoxSendsItsTextThenEnterAfterTheGap) {
    showBox("Hi 5");
    sender.beginHandler();
    keyboard.keyDown(13, 1);
    EXPECT_EQ(host.writes, (Writes{" 72, 1 73, 0 32, 0 53, 0"}));
    EXPECT_EQ(restarts, 0);  // the timer restarts once the handler's waits are over
    sender.beginHandler();
    keyboard.keyDown(27, 0);  // pressed during the wait: sent at once
    EXPECT_EQ(host.writes, (Writes{" 72, 1 73, 0 32, 0 53, 0", " 27, 0"}));
    EXPECT_EQ(restarts, 1);
    clock.now = 201;
    sender.poll();
    EXPECT_EQ(host.writes, (Writes{" 72, 1 73, 0 32, 0 53, 0", " 27, 0", " 13, 1"}));
    EXPECT_EQ(restarts, 2);
}

TEST_F(KeyHandling, EnterOnAnEmptyBoxSendsOnlyEnter) {
    showBox();
    keyboard.keyDown(13, 0);
    EXPECT_EQ(host.writes, (Writes{" 13, 0"}));
}

// --- the text entry box's own keys -------------------------------------------------

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
    box.focused = false;
    keyboard.keyDown(40, 0);
    EXPECT_EQ(box.geometry.top, 40);
    box.focused = true;
    box.visible = false;
    keyboard.keyDown(40, 0);
    EXPECT_EQ(box.geometry.top, 40);
}

// --- characters ------------------------------------------------------------------

TEST_F(KeyHandling, BroadcastCharactersWhateverTheBox) {
    for (int16_t ch : {96, 126, 58, 102, 59}) keyboard.keyPress(ch);
    showBox();
    keyboard.keyPress(58);
    EXPECT_EQ(host.broadcasts, (std::vector<int16_t>{70, 70, 79, 79}));
    EXPECT_TRUE(host.writes.empty());
}

TEST_F(KeyHandling, CtrlVPastesTheClipboardOnlyWhenTheBoxIsHidden) {
    keyboard.keyDown(86, 2);
    keyboard.keyPress(22);  // empty clipboard: only the key itself
    host.clipboard = "say hi";
    keyboard.keyPress(22);
    EXPECT_EQ(host.writes, (Writes{" 86, 2", " 83, 0 65, 0 89, 0 32, 0 72, 0 73, 0"}));
    showBox();
    keyboard.keyPress(22);  // the box pastes by itself
    EXPECT_EQ(host.writes.size(), 2u);
}

// --- modes -----------------------------------------------------------------------

TEST_F(KeyHandling, ModeMenusToggleWithTheirCaptions) {
    state.delaymode = true;
    showBox("x");
    keyboard.menuTextbox();
    EXPECT_TRUE(state.textboxmode);
    EXPECT_EQ(menus.mnutextbox, "TEXTBOX");
    keyboard.menuTextbox();
    EXPECT_FALSE(state.textboxmode);
    EXPECT_EQ(menus.mnutextbox, "Textbox");
    EXPECT_TRUE(box.visible);  // switching the mode leaves an open box alone

    keyboard.menuDelay();
    EXPECT_FALSE(state.delaymode);
    EXPECT_EQ(menus.mnudelay, "Delay");
    keyboard.menuDelay();
    EXPECT_TRUE(state.delaymode);
    EXPECT_EQ(menus.mnudelay, "DELAY");
}

TEST_F(KeyHandling, ViewLogAndFreeze) {
    keyboard.menuViewLog();
    EXPECT_TRUE(log.exists);
    EXPECT_TRUE(log.visible);
    keyboard.doubleClick();
    EXPECT_TRUE(state.frozen);
    keyboard.doubleClick();
    EXPECT_FALSE(state.frozen);
}

// --- through the core: keep-alive and the connection ------------------------------

namespace {

class KeepAlive : public ::testing::Test {
protected:
    KeepAlive() {
        ensureGuiApp();
        core.load(Pictures{}, QFont());
        core.setConnected(true);
    }
    // Steps the clock through every wake-up up to t, as the window's timer does.
    void runUntil(double t) {
        while (auto wake = core.nextWake()) {
            if (*wake > t) break;
            clock.now = std::max(clock.now, *wake);
            core.poll();
        }
        clock.now = t;
        core.poll();
    }
    const std::string zeros{"\0\0", 2};

    GlobalVars globals;
    FakeHost host;
    FakeClock clock;
    ClientCore core{globals, host, clock};
};

}  // namespace

TEST_F(KeepAlive, TwoZeroBytesEverySixtyFiveSecondsWithoutKeys) {
    runUntil(64999);
    EXPECT_TRUE(host.writes.empty());
    runUntil(65000);
    EXPECT_EQ(host.writes, (Writes{zeros}));
    runUntil(195000);
    EXPECT_EQ(host.writes, (Writes{zeros, zeros, zeros}));
}

TEST_F(KeepAlive, KeyRestartsTheIntervalBareShiftDoesNot) {
    runUntil(65000);
    runUntil(125000);  // 60 s after the tick
    core.keyDown(65, 0);
    runUntil(189000);
    core.keyDown(16, 1);
    runUntil(189999);
    EXPECT_EQ(host.writes, (Writes{zeros, " 65, 0"}));
    runUntil(190000);
    EXPECT_EQ(host.writes, (Writes{zeros, " 65, 0", zeros}));
}

TEST_F(KeepAlive, NothingIsWrittenWhileDisconnectedButTheTimerRuns) {
    core.setConnected(false);
    core.keyDown(65, 0);
    runUntil(200000);
    EXPECT_TRUE(host.writes.empty());
    EXPECT_TRUE(core.timerEnabled());
    core.setConnected(true);
    runUntil(260000);
    EXPECT_EQ(host.writes, (Writes{zeros}));
}
