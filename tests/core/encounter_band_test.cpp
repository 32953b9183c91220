#include "panels/encounter_band.h"

#include <gtest/gtest.h>

#include <string>

#include "interpreter_fixture.h"
#include "panels/encounter_log.h"

using namespace quorlak;
using quorlak::test::InterpreterTest;

namespace {

constexpr float kBandY = 150;

std::string renamed(std::string text) {
    substituteCreatureNames(text);
    return text;
}

}  // namespace

TEST(CreatureNames, SubstitutedInOrderAndExactCase) {
    EXPECT_EQ(renamed("an Arctic Wolf attacks"), "an Furry Husky attacks");
    EXPECT_EQ(renamed("two Wolves and a Wolf"), "two Huskies and a Husky");
    EXPECT_EQ(renamed("WolfWolf"), "HuskyHusky");
    EXPECT_EQ(renamed("arctic wolves"), "arctic wolves");
    EXPECT_EQ(renamed(""), "");
}

TEST_F(InterpreterTest, SlotLinesRememberTextAndPosition) {
    EXPECT_TRUE(feed(30.5f, 130.5f, "3 Arctic Bear"));
    EXPECT_EQ(interpreter.encounter().text[3], "3 Furry Bear");
    EXPECT_EQ(interpreter.encounter().x[3], 30);   // 30.5 rounds to even
    EXPECT_EQ(interpreter.encounter().y[3], 130);  // 130.5 rounds to even
    feed(31.5f, 131.5f, "4");
    EXPECT_EQ(interpreter.encounter().x[4], 32);
    EXPECT_EQ(interpreter.encounter().y[4], 132);

    for (const char* text : {"5 Orc", "0 Orc", "Orc", ""}) feed(99, 99, text);
    for (int slot : {0, 1, 2}) EXPECT_EQ(interpreter.encounter().text[slot], "") << slot;
    EXPECT_EQ(interpreter.encounter().text[3], "3 Furry Bear");
}

TEST_F(InterpreterTest, WarningWhenUsersRiseFromOne) {
    struct Case {
        std::vector<const char*> lines;
        int beeps;
    };
    const Case cases[] = {
        {{"1 user", "2 users"}, 1},
        {{"2 users", "3 users"}, 0},
        {{"1 user", "1 user", "2 users"}, 1},
        {{"0 users", "2 users"}, 0},
        {{"1 user", "300 users", "2 users"}, 1},  // a count beyond a byte is skipped
        {{"1 user", "-1 users", "2 users"}, 1},
        {{"1 user", "2users"}, 0},  // no blank before the word
    };
    for (const Case& c : cases) {
        feed(100, kBandY, "0 users");
        warnings = 0;
        const int before = interpreter.warnings();
        for (const char* line : c.lines) feed(100, kBandY, line);
        EXPECT_EQ(warnings, c.beeps) << c.lines.back();
        EXPECT_EQ(interpreter.warnings() - before, c.beeps);
    }
}

TEST(EncounterLog, OldestLinesDropBeyondBound) {
    LogModel log;
    const std::string line(998, 'x');  // 1000 bytes with the line end
    const size_t lines = LogModel::kMaxBytes / 1000 + 10;
    for (size_t i = 0; i < lines; ++i) logAdd(log, line);
    logAdd(log, "newest");
    EXPECT_LE(log.text.size(), LogModel::kMaxBytes);
    EXPECT_GT(log.resets, 0u);
    EXPECT_EQ(log.text.substr(0, line.size() + 2), line + "\r\n");  // starts at a whole line
    EXPECT_TRUE(log.text.ends_with("newest\r\n"));
}
