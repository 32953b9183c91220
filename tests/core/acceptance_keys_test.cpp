// Keys end to end: key items and their writes, the keyboard and its modes,
// the keep-alive and the key broadcast, as the replay driver reports them.
#include "acceptance_rig.h"
#include "wire/key_items.h"

using namespace quorlak::test;

namespace {

const std::string kKeepAlive("\0\0", 2);

std::string itemsOf(const std::string& keys) {
    std::string out;
    for (const char c : keys) {
        const auto [code, mask] = quorlak::keyForChar(static_cast<uint8_t>(c));
        out += quorlak::keyItem(code, mask);
    }
    return out;
}

class KeysAcceptance : public Acceptance {
protected:
    double timerDue() { return object("timer")["due"].toDouble(); }
    long keepAlives() {
        const auto all = sent();
        return std::count(all.begin(), all.end(), kKeepAlive);
    }
};

}  // namespace

// --- keep-alive ------------------------------------------------------------------

TEST_F(KeysAcceptance, KeepAliveIsTwoZeroBytesAloneEveryInterval) {
    EXPECT_TRUE(object("timer")["enabled"].toBool());
    EXPECT_EQ(timerDue(), 65000);
    advance(65000);
    EXPECT_EQ(sent(), (Writes{kKeepAlive}));
    advance(64999);
    EXPECT_EQ(keepAlives(), 1);
    advance(1);
    EXPECT_EQ(sent(), (Writes{kKeepAlive, kKeepAlive}));
    EXPECT_EQ(timerDue(), 195000);
}

TEST_F(KeysAcceptance, KeyAfterATickPushesTheNextTickAFullIntervalOn) {
    advance(65000);
    advance(60000);
    key(65);
    EXPECT_EQ(timerDue(), 190000);
    advance(64999);
    EXPECT_EQ(sent(), (Writes{kKeepAlive, " 65, 0"}));
    advance(1);
    EXPECT_EQ(sent(), (Writes{kKeepAlive, " 65, 0", kKeepAlive}));
}

TEST_F(KeysAcceptance, KeysThatSendNothingStillRestartBareModifiersDoNot) {
    advance(1000);
    key(16, 1);
    key(17, 2);
    key(18, 4);
    EXPECT_EQ(timerDue(), 65000);
    EXPECT_TRUE(sent().empty());

    openPrompt();
    advance(1000);
    key(65);  // edits the box: nothing sent, yet the timer restarts
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(timerDue(), 67000);
}

TEST_F(KeysAcceptance, TickWhileClosedSendsNothingAndTheTimerGoesOn) {
    run(R"({"connection": "closed"})");
    advance(65000);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(timerDue(), 130000);
    run(R"({"connection": "open"})");
    advance(65000);
    EXPECT_EQ(sent(), (Writes{kKeepAlive}));
}

// --- key items and writes --------------------------------------------------------

// With the box hidden every key goes out as it is, one item a write.
TEST_F(KeysAcceptance, KeyItemsCarryCodeAndMaskWithTheirBlanks) {
    const struct {
        int vk, mask;
        const char* item;
    } cases[] = {{65, 0, " 65, 0"}, {65, 1, " 65, 1"}, {118, 0, " 118, 0"}, {74, 2, " 74, 2"}, {112, 0, " 112, 0"},
                 {13, 1, " 13, 1"}, {27, 0, " 27, 0"}, {65, 7, " 65, 7"},   {73, 3, " 73, 3"}};  // Ctrl+Shift+I too
    Writes expected;
    for (const auto& c : cases) {
        key(c.vk, c.mask);
        expected.push_back(c.item);
    }
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(integer("itemsexpected"), 0);
}

TEST_F(KeysAcceptance, PastedTextGoesInWritesOfTenItemsByCharacter) {
    run(R"({"clipboard": "aA1!.,\u00e9 xyzABCDEFGHIJKLMNOP"})");
    run(R"({"keydown": 86, "mask": 2, "char": 22})");
    EXPECT_EQ(sent(), (Writes{" 86, 2", " 65, 0 65, 1 49, 0 33, 0 46, 0 44, 0 201, 0 32, 0 88, 0 89, 0",
                              " 90, 0 65, 1 66, 1 67, 1 68, 1 69, 1 70, 1 71, 1 72, 1 73, 1",
                              " 74, 1 75, 1 76, 1 77, 1 78, 1 79, 1 80, 1"}));
}

TEST_F(KeysAcceptance, TenCharactersAreOneWriteElevenAreTwo) {
    run(R"({"clipboard": "0123456789"})");
    run(R"({"char": 22})");
    run(R"({"clipboard": "0123456789a"})");
    run(R"({"char": 22})");
    run(R"({"clipboard": ""})");
    run(R"({"char": 22})");
    EXPECT_EQ(sent(), (Writes{itemsOf("0123456789"), itemsOf("0123456789"), " 65, 0"}));
}

TEST_F(KeysAcceptance, VisibleBoxWaitsStrictlyMoreThanTwoTenthsAfterEachWrite) {
    openPrompt();
    run(R"({"settext": "12"})");
    key(13);
    EXPECT_EQ(sent(), (Writes{" 49, 0 50, 0"}));
    advance(200);
    EXPECT_EQ(sent().size(), 1u);
    advance(1);
    EXPECT_EQ(sent(), (Writes{" 49, 0 50, 0", " 13, 0"}));
}

TEST_F(KeysAcceptance, LongBoxTextGoesOutInPacedWritesThenEnter) {
    openPrompt();
    run(R"({"settext": "abcdefghijklmnopqrstuvwxy"})");
    key(13);
    advance(201);
    EXPECT_EQ(sent().size(), 2u);
    advance(200);
    EXPECT_EQ(sent().size(), 2u);
    advance(1);
    EXPECT_EQ(sent().size(), 3u);
    advance(201);
    EXPECT_EQ(sent(), (Writes{itemsOf("abcdefghij"), itemsOf("klmnopqrst"), itemsOf("uvwxy"), " 13, 0"}));
}

// The wait handles events: a key pressed in it is sent by its own handler at once.
TEST_F(KeysAcceptance, KeyPressedDuringTheWaitGoesOutAtOnce) {
    openPrompt();
    run(R"({"settext": "abcdefghijklmnopqrstuvwxy"})");
    key(13);
    advance(100);
    key(27);
    EXPECT_EQ(sent(), (Writes{itemsOf("abcdefghij"), " 27, 0"}));
    advance(101);
    EXPECT_EQ(sent().size(), 3u);
    advance(402);
    EXPECT_EQ(sent(), (Writes{itemsOf("abcdefghij"), " 27, 0", itemsOf("klmnopqrst"), itemsOf("uvwxy"), " 13, 0"}));
}

// The pause is a wait that handles nothing: the paced writes wait for it too.
TEST_F(KeysAcceptance, PauseArrivingInTheWaitHoldsTheRestOfTheWrites) {
    openPrompt();
    run(R"({"settext": "abcdefghijklmnopqrstuvwxy"})");
    key(13);
    advance(100);
    recv(rec("pz", "500"));
    advance(500);
    EXPECT_EQ(sent().size(), 1u);
    advance(1);
    EXPECT_EQ(sent().size(), 2u);
    advance(200);
    EXPECT_EQ(sent().size(), 2u);
    advance(1);
    EXPECT_EQ(sent().size(), 3u);
}

// A handler's own steps after its writes come after its waits.
TEST_F(KeysAcceptance, EnterRestartsTheKeepAliveWhenItsWritesAreDone) {
    openPrompt();
    run(R"({"settext": "12"})");
    advance(1000);
    key(13);
    advance(201);
    EXPECT_EQ(timerDue(), 1201 + 65000);
}

TEST_F(KeysAcceptance, KeepAliveFallingInAWaitGoesOutBetweenTheWrites) {
    openPrompt();
    advance(64900);
    run(R"({"tab": 2})");  // no key: the timer is not restarted
    run(R"({"settext": "x"})");
    advance(100);
    key(27);
    EXPECT_EQ(sent(), (Writes{" 118, 0", " 83, 0", kKeepAlive, " 27, 0"}));
}

TEST_F(KeysAcceptance, DataHidingTheBoxInTheWaitDoesNotCutItShort) {
    openPrompt();
    run(R"({"select": "griditems", "row": 6})");
    EXPECT_EQ(sent(), (Writes{" 55, 0"}));
    advance(100);
    recv(rec("cs"));
    EXPECT_FALSE(object("txtbox")["visible"].toBool());
    advance(100);
    EXPECT_EQ(sent().size(), 1u);
    advance(1);
    EXPECT_EQ(sent(), (Writes{" 55, 0", " 13, 0"}));
}

// --- keyboard ----------------------------------------------------------------------

TEST_F(KeysAcceptance, CtrlIAsksForSixPagesThenSendsItself) {
    key(73, 2);
    EXPECT_EQ(sent(), (Writes{" 118, 0", " 49, 0", " 118, 0", " 50, 0", " 118, 0", " 51, 0", " 118, 0", " 52, 0",
                              " 118, 0", " 53, 0", " 118, 0", " 54, 0", " 73, 2"}));
    EXPECT_EQ(integer("itemsexpected"), 84);
}

TEST_F(KeysAcceptance, BulkRequestIsMadeEvenWithThePromptOpen) {
    openPrompt();
    key(73, 2);
    EXPECT_EQ(sent().size(), 13u);
    EXPECT_EQ(sent().back(), " 73, 2");
}

TEST_F(KeysAcceptance, VisibleBoxKeepsTypingLocalAndSendsOnlyItsKeys) {
    openPrompt();
    ASSERT_TRUE(object("txtbox")["visible"].toBool());
    key(65);
    key(65, 1);
    key(112);
    EXPECT_TRUE(sent().empty());
    key(65, 2);
    key(65, 4);
    key(27);
    key(33, 1);
    key(34);
    key(13);
    key(13, 1);
    EXPECT_EQ(sent(), (Writes{" 65, 2", " 65, 4", " 27, 0", " 33, 1", " 34, 0", " 13, 0", " 13, 1"}));
}

TEST_F(KeysAcceptance, CtrlVPastesOnlyWhileTheBoxIsHidden) {
    run(R"({"keydown": 86, "mask": 2, "char": 22})");
    EXPECT_EQ(sent(), (Writes{" 86, 2"}));

    run(R"({"clipboard": "hi"})");
    openPrompt();
    run(R"({"keydown": 86, "mask": 2, "char": 22})");
    EXPECT_EQ(sent(), (Writes{" 86, 2", " 86, 2"}));
}

TEST_F(KeysAcceptance, UpAndDownMoveTheBoxByItsHeight) {
    openPrompt();
    const auto box = object("txtbox");
    const int top = box["top"].toInt();
    const int height = box["height"].toInt();
    ASSERT_GT(height, 0);
    key(38);
    EXPECT_EQ(object("txtbox")["top"].toInt(), top - height);
    key(40);
    key(40);
    EXPECT_EQ(object("txtbox")["top"].toInt(), top + height);
    EXPECT_TRUE(sent().empty());
}

TEST_F(KeysAcceptance, ModeMenusShowTheirStateInTheirCaptions) {
    EXPECT_EQ(menuCaption("mnudelay"), "&DELAY");
    EXPECT_EQ(menuCaption("mnutextbox"), "&Textbox");
    EXPECT_EQ(menuCaption("mnuviewlog"), "view &log");
    EXPECT_TRUE(state()["delaymode"].toBool());
    menu("mnudelay");
    EXPECT_EQ(menuCaption("mnudelay"), "Delay");
    EXPECT_FALSE(state()["delaymode"].toBool());
    menu("mnudelay");
    EXPECT_EQ(menuCaption("mnudelay"), "DELAY");
    menu("mnutextbox");
    EXPECT_EQ(menuCaption("mnutextbox"), "TEXTBOX");
    EXPECT_TRUE(state()["textboxmode"].toBool());
    menu("mnutextbox");
    EXPECT_EQ(menuCaption("mnutextbox"), "Textbox");
}

TEST_F(KeysAcceptance, TextboxModeDecidesOnlyAtTheNextPrompt) {
    recv(rec("cu", "(40,300)-(12,0)"));
    EXPECT_FALSE(object("txtbox")["visible"].toBool());
    menu("mnutextbox");
    EXPECT_FALSE(object("txtbox")["visible"].toBool());
    recv(rec("cu", "(40,300)-(12,0)"));
    EXPECT_TRUE(object("txtbox")["visible"].toBool());
    menu("mnutextbox");
    EXPECT_TRUE(object("txtbox")["visible"].toBool());
}

TEST_F(KeysAcceptance, DelayOffIgnoresPausesOnHoldsThem) {
    menu("mnudelay");
    recv(rec("pz", "500") + rec("lc", "(30,40)"));
    EXPECT_EQ(state()["currentx"].toDouble(), 30);
    menu("mnudelay");
    recv(rec("pz", "500") + rec("lc", "(60,40)"));
    EXPECT_EQ(state()["currentx"].toDouble(), 30);
    advance(501);
    EXPECT_EQ(state()["currentx"].toDouble(), 60);
}

TEST_F(KeysAcceptance, DoubleClickFreezesAndThawsTheDisplay) {
    run(R"({"dblclick": true})");
    EXPECT_TRUE(state()["frozen"].toBool());
    recv(rec("lc", "(30,40)"));
    EXPECT_EQ(state()["currentx"].toDouble(), 0);
    run(R"({"dblclick": true})");
    EXPECT_FALSE(state()["frozen"].toBool());
    recv(rec("lc", "(50,40)"));
    EXPECT_EQ(state()["currentx"].toDouble(), 50);
}

TEST_F(KeysAcceptance, ViewLogShowsTheLogWindow) {
    EXPECT_FALSE(object("log")["exists"].toBool());
    menu("mnuviewlog");
    EXPECT_TRUE(object("log")["exists"].toBool());
    EXPECT_TRUE(object("log")["visible"].toBool());
}

// --- key broadcast -----------------------------------------------------------------

TEST_F(KeysAcceptance, BackQuoteTildeAndColonBroadcastAfterTheirOwnKey) {
    run(R"({"keydown": 192, "mask": 0, "char": 96})");
    run(R"({"keydown": 192, "mask": 1, "char": 126})");
    run(R"({"keydown": 186, "mask": 0, "char": 58})");
    EXPECT_EQ(sent(), (Writes{" 192, 0", " 70, 0", " 192, 1", " 70, 1", " 186, 0", " 79, 0"}));
}

TEST_F(KeysAcceptance, BroadcastArrivingIsHandledLikeAKey) {
    advance(1000);
    run(R"({"broadcast_in": 70})");
    EXPECT_EQ(sent(), (Writes{" 70, 0"}));
    EXPECT_EQ(timerDue(), 66000);

    // With the prompt open it is a key the box takes: nothing goes out.
    openPrompt();
    run(R"({"broadcast_in": 79})");
    EXPECT_EQ(sent(), (Writes{" 70, 0"}));
}

TEST_F(KeysAcceptance, OwnBroadcastWithThePromptOpenSendsNothing) {
    openPrompt();
    run(R"({"keydown": 192, "mask": 0, "char": 96})");
    EXPECT_TRUE(sent().empty());
}

TEST_F(KeysAcceptance, OwnBroadcastWaitsBehindAPauseLikeAnyKey) {
    recv(rec("pz", "100"));
    run(R"({"keydown": 192, "mask": 0, "char": 96})");
    EXPECT_TRUE(sent().empty());
    advance(101);
    EXPECT_EQ(sent(), (Writes{" 192, 0", " 70, 0"}));
}
