// The screen-text interpreter end to end: lines drawn by the server at their
// places, and what the panels, colours, title and log show afterwards.
#include "acceptance_rig.h"

using namespace quorlak::test;

namespace {

constexpr const char* kRed = "#ff0000";
constexpr const char* kGreen = "#00ff00";
constexpr const char* kYellow = "#ffff00";
constexpr const char* kCyan = "#00ffff";
constexpr const char* kMagenta = "#ff00ff";
constexpr const char* kWhite = "#ffffff";
constexpr const char* kGrey = "#7f7f7f";
constexpr const char* kCoral = "#ff7f50";

// Places on the game screen, by their y (height = 512 - y).
constexpr int kMessageY = 490;
constexpr int kPlayerY = 445;
constexpr int kListY = 300;
constexpr int kEncounterY = 150;
constexpr int kExperienceY = 264;

// The end of an encounter, and a picture that starts one.
const std::string kEncounterEnds = rec("cr", "(221,10)-(300,20)");
const std::string kEncounterStarts = rec("lc", "(400,20)") + rec("cw", "22");

class ScreenText : public Acceptance {
protected:
    ScreenText() { beginScreen(); }

    // Whether drawing `bytes` changed the picture.
    bool draws(const std::string& bytes) {
        const QImage before = picture();
        recv(bytes);
        return picture() != before;
    }
    QJsonObject messageRow(int i) { return messageRows()[i].toObject(); }
    std::string slotText(int n) { return bytesOf(state()["slottext"].toArray()[n]); }
    std::string logText() { return bytesOf(object("log")["text"]); }
    int beeps() { return integer("beeps"); }
    void usersLine(int n) { recv(textAt(10, kEncounterY, std::to_string(n) + " users are here.")); }
};

// A twenty-one character name field followed by the message.
std::string talk(char kind, const std::string& name, const std::string& words) {
    std::string field = name;
    field.resize(21, ' ');
    return std::string(1, kind) + " " + field + words;
}

}  // namespace

// --- classification -----------------------------------------------------------------

TEST_F(Acceptance, LinesAreOnlyPrintedUntilTheScreenBegins) {
    const QImage before = picture();
    recv(textAt(0, kMessageY, "xPlayer talk") + textAt(0, 8, "Title") + textAt(200, kListY, " 1.Sword") +
         textAt(0, kPlayerY, "Player is here"));
    EXPECT_NE(picture(), before);
    EXPECT_TRUE(messageRows().isEmpty());
    EXPECT_EQ(bytesOf(state()["caption"]), "Duvur Quorlak");
    EXPECT_EQ(bytesOf(itemRow(0)["text"]), "");
    EXPECT_TRUE(object("tabstrip")["visible"].toBool());
    EXPECT_EQ(forecolor(), "#ff8000");
    EXPECT_FALSE(state()["cdseen"].toBool());
}

TEST_F(ScreenText, BandsSplitByHeightFromTheBottom) {
    recv(textAt(0, 453, "xh59"));  // h 59: message band
    EXPECT_EQ(messageRows().size(), 1);

    for (int y : {452, 439}) {  // h 60 and 73: player band
        recv(textAt(0, 438, "reset"));
        recv(textAt(200, kListY, " 1.show the tabs"));
        recv(textAt(0, y, "player"));
        EXPECT_EQ(forecolor(), kMagenta) << y;
        EXPECT_FALSE(object("tabstrip")["visible"].toBool()) << y;
    }
    for (int y : {438, 193}) {  // h 74 and 319: the middle column split at x 170
        recv(textAt(169, y, "status"));
        EXPECT_EQ(forecolor(), kGreen) << y;
        recv(textAt(170, y, "heading"));
        EXPECT_EQ(forecolor(), kCyan) << y;
    }
    for (int y : {192, 92}) {  // h 320 and 420: encounter band
        recv(textAt(0, 438, "reset"));
        recv(textAt(0, y, "encounter"));
        EXPECT_EQ(forecolor(), kWhite) << y;
    }
    recv(textAt(0, 91, "top"));  // h 421
    EXPECT_EQ(forecolor(), kCoral);
    EXPECT_EQ(messageRows().size(), 1);
}

// --- status column ----------------------------------------------------------------------

TEST_F(ScreenText, StatusBlockRightOfX70IsRedBetweenHeights112And176) {
    const struct {
        int x, y;
        const char* colour;
    } cases[] = {{70, 362, kGreen}, {71, 400, kRed}, {71, 336, kRed}, {71, 401, kGreen}, {71, 335, kGreen}};
    for (const auto& c : cases) {
        recv(textAt(c.x, c.y, "stat"));
        EXPECT_EQ(forecolor(), c.colour) << c.x << "," << c.y;
    }
}

TEST_F(ScreenText, ThresholdLineTurnsYellowBelowSixty) {
    const std::string label = "Threshold value: ";  // 17 characters
    recv(textAt(10, 219, label + "60"));
    EXPECT_EQ(forecolor(), kGreen);
    recv(textAt(10, 219, label + "59"));
    EXPECT_EQ(forecolor(), kYellow);
    recv(textAt(10, 219, label + " 5 9"));  // blanks inside the number are skipped
    EXPECT_EQ(forecolor(), kYellow);
    recv(textAt(10, 219, label + " 1 00"));
    EXPECT_EQ(forecolor(), kGreen);
    recv(textAt(10, 219, "short"));
    EXPECT_EQ(forecolor(), kYellow);
}

TEST_F(ScreenText, ExperienceLineShowsTheGainSinceTheEncounterBegan) {
    const std::string label = "Exp:     ";  // 9 characters
    recv(textAt(20, kExperienceY, label + " 12,000"));
    EXPECT_EQ(integer("expnow"), 12000);
    EXPECT_EQ(menuCaption("netexp"), "12000");
    EXPECT_EQ(forecolor(), kGreen);

    recv(kEncounterStarts);
    EXPECT_EQ(integer("expstart"), 12000);
    recv(textAt(20, kExperienceY, label + " 12,345"));
    EXPECT_EQ(menuCaption("netexp"), "345");
    recv(textAt(20, kExperienceY, label + " 11,000"));
    EXPECT_EQ(menuCaption("netexp"), "-1000");

    recv(kEncounterEnds);
    EXPECT_EQ(integer("expstart"), 0);
    recv(textAt(20, kExperienceY, label + " 12,345"));
    EXPECT_EQ(menuCaption("netexp"), "12345");

    recv(textAt(20, kExperienceY, label + "nothing"));
    EXPECT_EQ(integer("expnow"), 0);
    EXPECT_EQ(menuCaption("netexp"), "0");
}

TEST_F(ScreenText, ExperienceRowAtX11IsRedAndReadsNothing) {
    recv(textAt(11, kExperienceY, "Exp:      99,999"));
    EXPECT_EQ(forecolor(), kRed);
    EXPECT_EQ(integer("expnow"), 0);
    EXPECT_EQ(menuCaption("netexp"), "");
}

TEST_F(ScreenText, GaugeLineDrawsItsBarAndIsPrintedInPlace) {
    const std::string label = "Power level: ";  // 13 characters; then now/max
    recv(textAt(40, 204, label + "050/100"));
    EXPECT_EQ(integer("gaugenow"), 50);
    EXPECT_EQ(integer("gaugemax"), 100);
    EXPECT_EQ(forecolor(), kGreen);
    EXPECT_EQ(state()["currentx"].toDouble(), 10 + 8 * 20);  // printed from x 10
    EXPECT_EQ(state()["currenty"].toDouble(), 204);
    // Half is not more than half: a red bar half the display wide.
    EXPECT_EQ(pixel(250, 198), 0xff0000u);
    EXPECT_EQ(pixel(250, 199), 0xff0000u);
    EXPECT_EQ(pixel(300, 198), 0x000000u);

    recv(textAt(40, 204, label + "051/100"));
    EXPECT_EQ(pixel(250, 198), 0x00ff00u);
    EXPECT_EQ(pixel(260, 199), 0x00ff00u);
    EXPECT_EQ(pixel(300, 199), 0x000000u);

    recv(textAt(40, 204, label + "010/100"));  // the old bar is erased first
    EXPECT_EQ(pixel(250, 198), 0x000000u);
    EXPECT_EQ(pixel(50, 198), 0xff0000u);
}

TEST_F(ScreenText, GaugeWithMaximumZeroDrawsNoBarButPrintsTheLine) {
    EXPECT_TRUE(draws(textAt(40, 204, "Power level: 010/000")));
    EXPECT_EQ(integer("gaugenow"), 10);
    EXPECT_EQ(pixel(5, 198), 0x000000u);
}

// --- player and top bands ---------------------------------------------------------------

TEST_F(ScreenText, PlayerLineBecomesARedMessageAndIsStillPrinted) {
    EXPECT_TRUE(draws(textAt(0, kPlayerY, "Player is here")));
    ASSERT_EQ(messageRows().size(), 1);
    const auto row = messageRow(0);
    EXPECT_EQ(bytesOf(row["text"]), "Player is here");
    EXPECT_EQ(bytesOf(row["line"]), "");
    EXPECT_EQ(bytesOf(row["kind"]), "");
    EXPECT_EQ(bytesOf(row["color"]), kRed);
    EXPECT_EQ(forecolor(), kMagenta);

    EXPECT_TRUE(draws(textAt(0, kPlayerY, "player is here")));
    EXPECT_EQ(messageRows().size(), 1);
}

TEST_F(ScreenText, TopLeftLineOfTheFirstRowBecomesTheTitle) {
    recv(textAt(0, 8, "Dungeon Level 3"));
    EXPECT_EQ(bytesOf(state()["caption"]), "Dungeon Level 3");
    EXPECT_EQ(forecolor(), kCoral);
    recv(textAt(0, 16, "Second row"));
    EXPECT_EQ(bytesOf(state()["caption"]), "Dungeon Level 3");
    recv(textAt(170, 8, "middle"));
    EXPECT_EQ(forecolor(), kGrey);
    recv(textAt(299, 8, "middle"));
    EXPECT_EQ(forecolor(), kGrey);
    recv(textAt(300, 8, "right"));
    EXPECT_EQ(forecolor(), kYellow);
    EXPECT_EQ(bytesOf(state()["caption"]), "Dungeon Level 3");
}

// --- message band -------------------------------------------------------------------------

TEST_F(ScreenText, MessageLinesMoveToTheGridInsteadOfTheScreen) {
    EXPECT_FALSE(draws(textAt(0, kMessageY, "x" + talk('G', "joe", "hello all"))));
    ASSERT_EQ(messageRows().size(), 1);
    const auto row = messageRow(0);
    EXPECT_EQ(bytesOf(row["line"]), talk('G', "joe", "hello all"));
    EXPECT_EQ(bytesOf(row["kind"]), "G");
    EXPECT_EQ(bytesOf(row["name"]), "joe" + std::string(18, ' '));
    EXPECT_EQ(bytesOf(row["text"]), "hello all");
    EXPECT_EQ(bytesOf(row["color"]), kCyan);
    EXPECT_TRUE(object("gridmess")["visible"].toBool());
}

TEST_F(ScreenText, RepeatedMessageIsPrintedWithoutItsFirstCharacter) {
    recv(textAt(0, kMessageY, "xsame words"));
    ASSERT_TRUE(draws(textAt(0, kMessageY, "xsame words")));
    EXPECT_EQ(messageRows().size(), 1);
    const QImage repeated = picture();

    // The same place in a fresh client, printing the shortened line itself.
    ReplayRig reference;
    reference.recv(textAt(0, kMessageY, "same words"));
    EXPECT_EQ(repeated, reference.picture());
}

TEST_F(ScreenText, RepeatCheckLooksFourRowsBack) {
    for (const char* line : {"xone", "xtwo", "xthree", "xfour", "xfive"}) recv(textAt(0, kMessageY, line));
    recv(textAt(0, kMessageY, "xtwo"));  // four rows back
    EXPECT_EQ(messageRows().size(), 5);
    recv(textAt(0, kMessageY, "xone"));  // five rows back
    EXPECT_EQ(messageRows().size(), 6);
    EXPECT_EQ(bytesOf(messageRow(5)["line"]), "one");
}

TEST_F(ScreenText, RowsByKindOfLine) {
    const std::string treasure = std::string(23, ' ') + "a golden ring";
    for (const std::string& line :
         {talk('P', "ann", "psst"), talk('R', "bob", "hi"), talk('X', "cy", "hm"), std::string("'quoted words"),
          std::string("Xno blank second"), treasure, std::string(10, ' ')})
        recv(textAt(0, kMessageY, "-" + line));
    const auto rows = messageRows();
    ASSERT_EQ(rows.size(), 7);
    auto cell = [&](int i, const char* col) { return bytesOf(rows[i].toObject()[col]); };
    EXPECT_EQ(cell(0, "kind"), "P");
    EXPECT_EQ(cell(0, "color"), kRed);
    EXPECT_EQ(cell(1, "kind"), "R");
    EXPECT_EQ(cell(1, "color"), kCyan);
    EXPECT_EQ(cell(2, "kind"), "X");
    EXPECT_TRUE(rows[2].toObject()["color"].isNull());
    EXPECT_EQ(cell(3, "kind"), "");
    EXPECT_EQ(cell(3, "text"), "'quoted words");
    EXPECT_EQ(cell(3, "color"), kGreen);
    EXPECT_EQ(cell(4, "kind"), "");
    EXPECT_EQ(cell(4, "name"), "");
    EXPECT_EQ(cell(4, "text"), "Xno blank second");
    EXPECT_EQ(cell(4, "color"), kMagenta);
    EXPECT_EQ(cell(5, "kind"), "I");
    EXPECT_EQ(cell(5, "name"), "Treasure");
    EXPECT_EQ(cell(5, "text"), "a golden ring");
    EXPECT_EQ(cell(5, "color"), kCyan);
    EXPECT_EQ(cell(6, "kind"), "");
    EXPECT_EQ(cell(6, "text"), std::string(10, ' '));
    EXPECT_EQ(cell(6, "color"), kMagenta);
}

TEST_F(ScreenText, NewRowIsKeptThirdFromTheTop) {
    recv(textAt(0, kMessageY, "xa"));
    auto grid = object("gridmess");
    EXPECT_EQ(grid["toprow"].toInt(), 0);
    EXPECT_EQ(grid["row"].toInt(), 0);
    EXPECT_EQ(grid["col"].toInt(), 3);
    for (const char* line : {"xb", "xc", "xd", "xe"}) recv(textAt(0, kMessageY, line));
    grid = object("gridmess");
    EXPECT_EQ(grid["toprow"].toInt(), 2);
    EXPECT_EQ(grid["row"].toInt(), 4);
}

TEST_F(ScreenText, EmptyMessageMatchesAPlayerRowAndIsPrintedInstead) {
    recv(textAt(0, kPlayerY, "Player is near"));
    recv(textAt(0, kMessageY, "x"));
    EXPECT_EQ(messageRows().size(), 1);
}

// --- list column --------------------------------------------------------------------------

TEST_F(ScreenText, NumberedListLineFillsItsRowAndIsNotPrinted) {
    recv(textAt(0, kPlayerY, "hides the tabs"));
    EXPECT_FALSE(draws(textAt(200, kListY, " 1.Sword")));
    const auto row = itemRow(0);
    EXPECT_EQ(bytesOf(row["text"]), " 1.Sword");
    EXPECT_EQ(bytesOf(row["mark"]), "");
    EXPECT_TRUE(object("griditems")["visible"].toBool());
    EXPECT_TRUE(object("tabstrip")["visible"].toBool());
    EXPECT_EQ(forecolor(), kCyan);
    EXPECT_EQ(integer("itemnum"), 1);
    EXPECT_EQ(object("griditems")["row"].toInt(), 0);
    EXPECT_EQ(object("griditems")["col"].toInt(), 1);

    recv(textAt(200, kListY, "12.Shield"));
    EXPECT_EQ(bytesOf(itemRow(11)["text"]), "12.Shield");
    EXPECT_TRUE(draws(textAt(200, kListY, "1. Bread")));  // third character is a blank
    EXPECT_EQ(bytesOf(itemRow(0)["text"]), " 1.Sword");
}

TEST_F(ScreenText, PageStartMovesTheGridWithoutAPageRequest) {
    recv(textAt(200, kListY, "15.Rope"));
    const auto grid = object("griditems");
    EXPECT_EQ(grid["toprow"].toInt(), 14);
    EXPECT_EQ(integer("lasttoprow"), 14);
    EXPECT_FALSE(state()["scrolling"].toBool());
    EXPECT_TRUE(sent().empty());
}

TEST_F(ScreenText, BulkRequestMovesTheGridOnlyOnceTheLinesAreIn) {
    key(73, 2);
    const auto requests = sent().size();
    for (int n = 1; n <= 84; ++n) {
        char line[16];
        std::snprintf(line, sizeof line, "%2d.item", n);
        recv(textAt(200, kListY, line));
        ASSERT_EQ(object("griditems")["toprow"].toInt(), 0) << n;
    }
    EXPECT_EQ(integer("itemsexpected"), 0);
    recv(textAt(200, kListY, "85.item"));
    EXPECT_EQ(object("griditems")["toprow"].toInt(), 84);
    EXPECT_EQ(sent().size(), requests);
}

TEST_F(ScreenText, BMarkFollowsTheLastListLineOnly) {
    recv(textAt(0, kEncounterY, "white"));
    recv(textAt(200, kListY, "15.Rope"));
    recv(textAt(0, kEncounterY, "white"));
    EXPECT_FALSE(draws(textAt(200, kListY + 16, "B")));
    EXPECT_EQ(bytesOf(itemRow(14)["mark"]), "B");
    EXPECT_TRUE(itemRow(14)["italic"].toBool());
    EXPECT_EQ(bytesOf(itemRow(14)["text"]), "15.Rope");
    EXPECT_EQ(object("griditems")["row"].toInt(), 14);
    EXPECT_EQ(object("griditems")["col"].toInt(), 1);
    EXPECT_EQ(forecolor(), kWhite);

    recv(textAt(200, kListY, "Heading"));
    EXPECT_EQ(integer("itemnum"), 0);
    EXPECT_TRUE(draws(textAt(200, kListY + 16, "B")));
    for (int row = 0; row < 98; ++row) {
        if (row == 14) continue;
        EXPECT_EQ(bytesOf(itemRow(row)["mark"]), "") << row;
    }
}

TEST_F(ScreenText, RewritingARowClearsItsMarks) {
    recv(textAt(200, kListY, " 3.Lamp") + textAt(200, kListY + 16, "B"));
    recv(textAt(200, kListY, " 4.Oil") + rec("fx", "(300,250)-(308,258)"));
    EXPECT_EQ(object("griditems")["rows"].toArray()[3].toObject()["mark"].toString(), QString(QChar(0x2022)));
    EXPECT_TRUE(itemRow(3)["bold"].toBool());
    recv(textAt(200, kListY, " 3.Lamp") + textAt(200, kListY, " 4.Oil"));
    for (int row : {2, 3}) {
        EXPECT_EQ(bytesOf(itemRow(row)["mark"]), "");
        EXPECT_FALSE(itemRow(row)["bold"].toBool());
        EXPECT_FALSE(itemRow(row)["italic"].toBool());
    }
}

TEST_F(ScreenText, HeadingHidesTheGridOnlyWhereItCoversTheDisplay) {
    recv(textAt(200, kListY, "Your spells"));
    EXPECT_FALSE(object("griditems")["visible"].toBool());
    EXPECT_EQ(forecolor(), kCyan);
    recv(textAt(200, kListY, " 1.Light"));
    EXPECT_TRUE(object("griditems")["visible"].toBool());

    run(R"({"resize": [1024, 700]})");
    ASSERT_GE(object("griditems")["left"].toInt(), 500);
    recv(textAt(200, kListY, "Your spells"));
    EXPECT_TRUE(object("griditems")["visible"].toBool());
}

TEST_F(ScreenText, ListLineNumbered99HasNoRowAndIsPrinted) {
    EXPECT_TRUE(draws(textAt(200, kListY, "99.Extra")));
    EXPECT_EQ(integer("itemnum"), 99);  // read like any other number
    for (int row = 0; row < 98; ++row) EXPECT_EQ(bytesOf(itemRow(row)["text"]), "") << row;
    // Its mark has no row to go to: nothing marked, nothing printed.
    EXPECT_FALSE(draws(textAt(200, kListY, "B")));
    EXPECT_EQ(integer("itemnum"), 99);
    recv(textAt(400, 219, "99"));
    EXPECT_EQ(integer("itemnum"), 99);
}

// --- encounter band ---------------------------------------------------------------------

TEST_F(ScreenText, CreatureNamesAreRewrittenOnScreenInSlotsAndInTheLog) {
    recv(kEncounterStarts);
    recv(textAt(10, kEncounterY, "1 Arctic Wolf and two Wolves, a wolf"));
    const std::string renamed = "1 Furry Husky and two Huskies, a wolf";
    EXPECT_EQ(slotText(1), renamed);
    EXPECT_EQ(logText(), renamed + "\r\n");
    EXPECT_EQ(forecolor(), kWhite);
}

TEST_F(ScreenText, SlotLinesKeepTheirTextAndWhereTheyStand) {
    recv(textAt(37, 131, "3 an orc"));
    EXPECT_EQ(slotText(3), "3 an orc");
    EXPECT_EQ(state()["slotx"].toArray()[3].toInt(), 37);
    EXPECT_EQ(state()["sloty"].toArray()[3].toInt(), 131);
    for (const char* line : {"5 a troll", "0 a rat", "a bat", "-1 x"}) recv(textAt(50, 140, line));
    for (int n : {0, 1, 2, 4}) EXPECT_EQ(slotText(n), "") << n;
    EXPECT_EQ(slotText(3), "3 an orc");
}

TEST_F(ScreenText, NothingIsLoggedOrCreatedWhileNotLogging) {
    recv(textAt(10, kEncounterY, "1 an orc"));
    EXPECT_FALSE(object("log")["exists"].toBool());
    EXPECT_EQ(logText(), "");
}

TEST_F(ScreenText, DrainedLineIsARedMessageAndStillPrintedWhite) {
    usersLine(1);
    EXPECT_TRUE(draws(textAt(10, kEncounterY, "2 users drained you")));
    ASSERT_EQ(messageRows().size(), 1);
    EXPECT_EQ(bytesOf(messageRow(0)["text"]), "2 users drained you");
    EXPECT_EQ(bytesOf(messageRow(0)["color"]), kRed);
    EXPECT_EQ(forecolor(), kWhite);
    EXPECT_EQ(integer("lastusers"), 1);
    EXPECT_EQ(beeps(), 0);
}

TEST_F(ScreenText, WarningSoundsWhenUsersRiseFromOne) {
    usersLine(1);
    usersLine(2);
    EXPECT_EQ(beeps(), 1);
    usersLine(3);
    EXPECT_EQ(beeps(), 1);
    usersLine(1);
    usersLine(1);
    usersLine(2);
    EXPECT_EQ(beeps(), 2);
    usersLine(0);
    usersLine(2);
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(integer("lastusers"), 2);
    recv(textAt(10, kEncounterY, "1 User here"));  // " user" is case-exact
    EXPECT_EQ(integer("lastusers"), 2);
}

// --- encounter log ------------------------------------------------------------------------

TEST_F(ScreenText, LogIsCreatedHiddenAndShowsEveryLineOnceOpened) {
    recv(kEncounterStarts);
    EXPECT_TRUE(object("log")["exists"].toBool());
    EXPECT_FALSE(object("log")["visible"].toBool());
    recv(textAt(10, kEncounterY, "first") + textAt(10, kEncounterY, "") + textAt(10, kEncounterY, "last"));
    menu("mnuviewlog");
    EXPECT_TRUE(object("log")["visible"].toBool());
    EXPECT_EQ(logText(), "first\r\n\r\nlast\r\n");
    EXPECT_TRUE(state()["logging"].toBool());
}

TEST_F(ScreenText, LogEmptiesOnlyAtTheStartOfANewEncounter) {
    recv(kEncounterStarts);
    recv(textAt(10, kEncounterY, "one"));
    recv(kEncounterStarts);
    recv(textAt(10, kEncounterY, "two"));
    EXPECT_EQ(logText(), "one\r\ntwo\r\n");

    recv(kEncounterEnds);
    EXPECT_FALSE(state()["logging"].toBool());
    recv(textAt(10, kEncounterY, "after"));
    EXPECT_EQ(logText(), "one\r\ntwo\r\n");

    recv(kEncounterStarts);
    EXPECT_EQ(logText(), "");
    recv(textAt(10, kEncounterY, "three"));
    EXPECT_EQ(logText(), "three\r\n");
}

TEST_F(ScreenText, BaselineIsTakenOnceAnEncounterStarts) {
    recv(textAt(20, kExperienceY, "Exp:      500"));
    recv(kEncounterStarts);
    recv(textAt(20, kExperienceY, "Exp:      700"));
    recv(kEncounterStarts);
    EXPECT_EQ(integer("expstart"), 500);
    EXPECT_EQ(menuCaption("netexp"), "200");
}
