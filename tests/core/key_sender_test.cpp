// Grouping of key items into writes, and the paced queue behind a visible box.
#include "input/key_sender.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_host.h"
#include "wire/key_items.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

using Writes = std::vector<std::string>;

std::string items(const std::string& keys) {
    std::string all;
    for (const char c : keys) {
        const auto [code, mask] = keyForChar(static_cast<uint8_t>(c));
        all += keyItem(code, mask);
    }
    return all;
}

class KeySending : public ::testing::Test {
protected:
    void advanceTo(double t) {
        clock.now = t;
        sender.poll();
    }
    Writes writes;
    FakeClock clock;
    TextBoxModel box;
    KeySender sender{clock, box, [this](std::string_view bytes) { writes.emplace_back(bytes); }};
};

}  // namespace

TEST_F(KeySending, LongPasteIsSentWholeInTens) {
    std::string paste;
    for (int i = 0; i < 1003; ++i) paste += static_cast<char>('a' + i % 26);
    sender.sendText(paste);
    ASSERT_EQ(writes.size(), 101u);
    std::string joined;
    for (const auto& w : writes) joined += w;
    EXPECT_EQ(joined, items(paste));
    EXPECT_EQ(writes.back(), items(paste.substr(1000)));
}

TEST_F(KeySending, WakeIsFirstWholeMillisecondPastTheGap) {
    box.visible = true;
    clock.now = 10.25;
    sender.sendText("ab", true);
    EXPECT_EQ(sender.nextWake(), 211);
    advanceTo(210.25);
    EXPECT_EQ(writes.size(), 1u);
    advanceTo(211);
    EXPECT_EQ(writes.size(), 2u);
}

TEST_F(KeySending, InnerHandlerWithItsOwnGapHoldsTheOuterOneUntilItIsDone) {
    box.visible = true;
    sender.beginHandler();
    sender.sendText("ab");
    sender.sendKey(13, 0);
    advanceTo(100);
    sender.beginHandler();
    sender.sendText("cd");
    sender.sendKey(13, 0);
    EXPECT_EQ(writes, (Writes{items("ab"), items("cd")}));
    EXPECT_EQ(sender.nextWake(), 301);  // the inner gap, though the outer one ends first
    advanceTo(250);
    EXPECT_EQ(writes.size(), 2u);
    advanceTo(301);
    EXPECT_EQ(writes, (Writes{items("ab"), items("cd"), " 13, 0", " 13, 0"}));
}

TEST_F(KeySending, HandlerAfterTheWaitsStartsAfresh) {
    box.visible = true;
    sender.beginHandler();
    sender.sendText("ab");
    advanceTo(201);
    sender.beginHandler();
    sender.sendText("cd");
    EXPECT_EQ(writes, (Writes{items("ab"), items("cd")}));
    EXPECT_EQ(sender.nextWake(), std::nullopt);
}

TEST_F(KeySending, StepsWithoutWaitsRunAtOnce) {
    int ran = 0;
    sender.beginHandler();
    sender.sendText("ab");
    sender.then([&] { ++ran; });
    EXPECT_EQ(ran, 1);  // the box is hidden: no gap
    box.visible = true;
    sender.beginHandler();
    sender.then([&] { ++ran; });
    EXPECT_EQ(ran, 2);
}

TEST_F(KeySending, BoxHiddenMidQueueLetsTheRestGoAfterTheRunningGap) {
    box.visible = true;
    sender.sendText(std::string(35, 'x'));
    sender.sendKey(13, 0);
    box.visible = false;  // the server erased the box during the gap
    advanceTo(200);
    EXPECT_EQ(writes.size(), 1u);
    advanceTo(201);
    EXPECT_EQ(writes.size(), 5u);  // three writes and Enter, no more gaps
    EXPECT_EQ(writes.back(), " 13, 0");
}

TEST_F(KeySending, BoxShownMidQueueStartsGapsFromTheNextWrite) {
    box.visible = true;
    sender.sendText(std::string(30, 'x'));
    box.visible = false;
    advanceTo(201);
    EXPECT_EQ(writes.size(), 3u);
    box.visible = true;
    sender.sendText("ab", true);
    EXPECT_EQ(writes.size(), 4u);
    advanceTo(401);
    EXPECT_EQ(writes.size(), 4u);
    advanceTo(402);
    EXPECT_EQ(writes.size(), 5u);
}
