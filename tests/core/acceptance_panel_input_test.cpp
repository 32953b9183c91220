// The side panels as input end to end: item actions, selections and paging,
// message answers, tabs and the tab strip's right button.
#include "acceptance_rig.h"

using namespace quorlak::test;

namespace {

constexpr int kRowTwips = 240;
constexpr int kMessageY = 490;
constexpr int kListY = 300;

class PanelInput : public Acceptance {
protected:
    void pickItem(int button, int yTwips) {
        run("{\"mousedown\": \"griditems\", \"button\": " + std::to_string(button) +
            ", \"y\": " + std::to_string(yTwips) + "}");
    }
    void selectItem(int row) { run("{\"select\": \"griditems\", \"row\": " + std::to_string(row) + "}"); }
    void scrollTo(int toprow) { run("{\"scroll\": \"griditems\", \"toprow\": " + std::to_string(toprow) + "}"); }
    void selectMessage(int row) { run("{\"select\": \"gridmess\", \"row\": " + std::to_string(row) + "}"); }
    void tab(int index) { run("{\"tab\": " + std::to_string(index) + "}"); }
    void rightClickTabs(int button = 2) {
        run("{\"mousedown\": \"TabStrip1\", \"button\": " + std::to_string(button) + "}");
    }
    // A message line as the server draws it (its first character is dropped).
    void message(const std::string& line) { recv(textAt(0, kMessageY, "-" + line)); }
    int itemMenus() { return integer("itemmenus"); }
};

std::string nameField(const std::string& name) {
    std::string field = name;
    field.resize(21, ' ');
    return field;
}

}  // namespace

// --- item grid ------------------------------------------------------------------------

TEST_F(PanelInput, RightClickPicksTheRowUnderThePointerFromTheTopRow) {
    beginScreen();
    recv(textAt(200, kListY, "15.Rope"));  // the view now starts at row 14
    ASSERT_EQ(object("griditems")["toprow"].toInt(), 14);
    pickItem(2, 2 * kRowTwips + 100);
    EXPECT_EQ(integer("itempick"), 17);
    EXPECT_EQ(itemMenus(), 1);
    menu("mnuUse");
    EXPECT_EQ(sent(), (Writes{" 85, 1 49, 0 55, 0", " 13, 0"}));
}

TEST_F(PanelInput, LeftClickPicksWithoutTheMenu) {
    pickItem(1, 4 * kRowTwips);
    EXPECT_EQ(integer("itempick"), 5);
    EXPECT_EQ(itemMenus(), 0);
    EXPECT_TRUE(sent().empty());
    pickItem(1, kRowTwips - 1);
    EXPECT_EQ(integer("itempick"), 1);
}

TEST_F(PanelInput, EachActionSendsItsLettersAndNumberThenEnter) {
    pickItem(2, 4 * kRowTwips);
    menu("mnuBank");
    menu("mnuSpell");
    menu("mnugive");
    EXPECT_EQ(sent(), (Writes{" 66, 0 73, 0 53, 0", " 13, 0", " 80, 1 53, 0", " 13, 0", " 71, 1 53, 0", " 13, 0"}));
}

TEST_F(PanelInput, ActionBelowTheFilledRowsSendsThePickedNumber) {
    beginScreen();
    recv(textAt(200, kListY, " 1.Sword"));
    pickItem(2, 9 * kRowTwips);
    menu("mnuUse");
    EXPECT_EQ(sent(), (Writes{" 85, 1 49, 0 48, 0", " 13, 0"}));
}

TEST_F(PanelInput, ExchangeTakesAnActionThenASelection) {
    pickItem(2, 2 * kRowTwips);
    menu("mnuXchange");
    EXPECT_EQ(integer("xchgitem"), 3);
    EXPECT_TRUE(sent().empty());
    selectItem(6);
    EXPECT_EQ(sent(), (Writes{" 88, 1 51, 0 44, 0", " 55, 0", " 13, 0"}));
    EXPECT_EQ(integer("xchgitem"), 0);
    EXPECT_EQ(object("griditems")["row"].toInt(), 0);
}

TEST_F(PanelInput, ExchangeWithThePromptOpenIsPaced) {
    openPrompt();
    pickItem(2, 2 * kRowTwips);
    menu("mnuXchange");
    selectItem(6);
    EXPECT_EQ(sent(), (Writes{" 88, 1 51, 0 44, 0"}));
    advance(201);
    EXPECT_EQ(sent(), (Writes{" 88, 1 51, 0 44, 0", " 55, 0"}));
    advance(201);
    EXPECT_EQ(sent(), (Writes{" 88, 1 51, 0 44, 0", " 55, 0", " 13, 0"}));
    EXPECT_EQ(integer("xchgitem"), 0);
}

TEST_F(PanelInput, SelectionAnswersOnlyAnOpenPrompt) {
    selectItem(6);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(object("griditems")["row"].toInt(), 6);

    openPrompt();
    selectItem(11);
    advance(201);
    EXPECT_EQ(sent(), (Writes{" 49, 0 50, 0", " 13, 0"}));
    EXPECT_EQ(object("griditems")["row"].toInt(), 0);
}

TEST_F(PanelInput, ClickOnAPanelTakesTheKeyboardFromTheBox) {
    for (const char* click :
         {R"({"select": "griditems", "row": 3})", R"({"select": "gridmess", "row": 0})", R"({"tab": 1})",
          R"({"mousedown": "TabStrip1", "button": 1})", R"({"mousedown": "griditems", "button": 1, "y": 10})"}) {
        recv(rec("cs"));
        openPrompt();  // the box opens focused at top 300
        ASSERT_TRUE(object("txtbox")["focused"].toBool());
        run(click);
        EXPECT_FALSE(object("txtbox")["focused"].toBool()) << click;
        key(38);  // Up moves only a focused box
        EXPECT_EQ(object("txtbox")["top"].toInt(), 300) << click;
        menu("mnutextbox");
    }
}

TEST_F(PanelInput, ScrollingAPageOrMoreRequestsThePageInView) {
    scrollTo(14);
    EXPECT_EQ(sent(), (Writes{" 118, 0", " 50, 0"}));
    scrollTo(15);
    EXPECT_EQ(sent().size(), 2u);
    EXPECT_EQ(integer("lasttoprow"), 15);
    scrollTo(13);
    EXPECT_EQ(sent(), (Writes{" 118, 0", " 50, 0", " 118, 0", " 49, 0"}));
    scrollTo(42);
    EXPECT_EQ(sent().back(), " 52, 0");
    EXPECT_EQ(object("griditems")["toprow"].toInt(), 42);
}

TEST_F(PanelInput, ScrollingWithThePromptOpenOnlyRecordsTheTopRow) {
    openPrompt();
    scrollTo(28);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(integer("lasttoprow"), 28);
}

// --- message grid -----------------------------------------------------------------------

TEST_F(PanelInput, AnsweringAPlayerSendsMpTheNameFieldAndEnter) {
    beginScreen();
    message("P " + nameField("joe") + "psst");
    selectMessage(0);
    const std::string blank = " 32, 0";
    std::string tenBlanks;
    for (int i = 0; i < 10; ++i) tenBlanks += blank;
    const Writes expected{" 77, 1 80, 0", " 74, 0 79, 0 69, 0" + tenBlanks.substr(0, 7 * blank.size()), tenBlanks,
                          blank, " 13, 0"};
    EXPECT_EQ(sent(), expected);
}

TEST_F(PanelInput, OnlyPlayerRoomAndGossipRowsAreAnswered) {
    beginScreen();
    message(std::string(23, ' ') + "a ring");  // I
    message("X " + nameField("cy") + "hm");
    message("'an aside");
    recv(textAt(0, 445, "Player is near"));  // a row with only its message cell
    for (int row = 0; row < 4; ++row) selectMessage(row);
    EXPECT_TRUE(sent().empty());

    message("G ");
    message("R " + nameField("al") + "hi");
    selectMessage(4);
    EXPECT_EQ(sent(), (Writes{" 77, 1 80, 0", " 13, 0"}));
    selectMessage(5);
    EXPECT_EQ(sent().size(), 7u);
    EXPECT_EQ(sent()[2], " 77, 1 80, 0");
    EXPECT_EQ(sent()[3].substr(0, 12), " 65, 0 76, 0");
}

TEST_F(PanelInput, SelectingARowThatDoesNotExistSendsNothing) {
    selectMessage(0);
    selectMessage(7);
    EXPECT_TRUE(sent().empty());
}

// --- tab strip ----------------------------------------------------------------------------

TEST_F(PanelInput, TabsAskForTheirScreensByTheirCaptionsFirstLetter) {
    for (int index = 2; index <= 6; ++index) tab(index);
    EXPECT_EQ(sent(), (Writes{" 118, 0", " 83, 0", " 118, 0", " 83, 1", " 118, 0", " 67, 0", " 118, 0", " 65, 0",
                              " 118, 0", " 69, 0"}));
}

TEST_F(PanelInput, ItemsTabOnlyShowsTheGrid) {
    beginScreen();
    recv(textAt(200, kListY, "Heading"));
    ASSERT_FALSE(object("griditems")["visible"].toBool());
    tab(1);
    EXPECT_TRUE(object("griditems")["visible"].toBool());
    EXPECT_TRUE(sent().empty());
}

TEST_F(PanelInput, TabsRightButtonSavesThenRestoresTheGridHeight) {
    ASSERT_EQ(object("griditems")["height"].toInt(), 225);
    rightClickTabs(1);
    EXPECT_EQ(integer("itemsheight"), 0);
    rightClickTabs();
    EXPECT_EQ(integer("itemsheight"), 225);
    EXPECT_EQ(object("griditems")["height"].toInt(), 225);
    rightClickTabs();
    EXPECT_EQ(integer("itemsheight"), 0);
    EXPECT_EQ(object("griditems")["height"].toInt(), 225);
    EXPECT_TRUE(sent().empty());
}

TEST_F(PanelInput, TabsRightButtonRestoresTheNarrowHeightAfterAWideningResize) {
    rightClickTabs();
    run(R"({"resize": [1024, 700]})");
    ASSERT_EQ(object("griditems")["height"].toInt(), 700);
    rightClickTabs();
    EXPECT_EQ(object("griditems")["height"].toInt(), 225);
    EXPECT_EQ(integer("itemsheight"), 0);
    // A wide grid's height does not fit the saved byte: nothing is saved.
    run(R"({"resize": [1024, 700]})");
    rightClickTabs();
    EXPECT_EQ(integer("itemsheight"), 0);
}
