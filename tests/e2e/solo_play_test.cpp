// One player in a real window against the stand-in server: what the keys and
// clicks make the server receive, and what the window then shows and holds.

#include <QRegularExpression>

#include "e2e_fixture.h"

using namespace quorlak::e2e;

namespace {

bool isBlack(QRgb c) { return qRed(c) < 16 && qGreen(c) < 16 && qBlue(c) < 16; }
bool isCyan(QRgb c) { return qRed(c) < 64 && qGreen(c) > 192 && qBlue(c) > 192; }
bool isCoral(QRgb c) { return qRed(c) > 224 && qGreen(c) > 96 && qGreen(c) < 160 && qBlue(c) > 48 && qBlue(c) < 112; }

// Where the map is drawn, right of the status column, and its lower part, which
// the welcome screen's words leave black.
const QRect kMapArea(176, 236, 336, 200);
const QRect kLowerMap(176, 340, 336, 96);

// The arrows from the town's shrine out through its east gate.
const QStringList kToFrozenGate = {"Right", "Right", "Right", "Right", "Right", "Right",
                                   "Right", "Right", "Right", "Up",    "Right", "Right"};

// Polls screenshots of the display until `holds`; the last one taken is returned.
QImage waitForShot(ClientWindow& client, const std::function<bool(const QImage&)>& holds) {
    QImage shot;
    waitUntil([&] {
        shot = client.displayShot();
        return !shot.isNull() && holds(shot);
    });
    return shot;
}

QString caption(const QJsonObject& s) { return s["caption"].toString(); }

}  // namespace

TEST_F(EndToEnd, ShowsTheWelcomeScreenThenEntersTheTownByName) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->waitForState([](const QJsonObject& s) { return s["cdseen"].toBool(); }));
    EXPECT_EQ(caption(ann->lastState()), "Duvur Quorlak");
    EXPECT_EQ(xdotool({"getwindowname", ann->windowId()}), "Duvur Quorlak");
    // the welcome screen is drawn: the title in coral at the top left, words elsewhere
    const QImage welcome =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, QRect(0, 0, 170, 40), isCoral) > 40; });
    EXPECT_GT(countPixels(welcome, QRect(0, 0, 170, 40), isCoral), 40);
    EXPECT_GT(countPixels(welcome, welcome.rect(), [](QRgb c) { return !isBlack(c); }), 1000);
    EXPECT_LT(countPixels(welcome, kLowerMap, isCyan), 50);
    EXPECT_TRUE(server->keysFrom(1).isEmpty());

    ASSERT_TRUE(ann->enterGame("Ann"));
    EXPECT_EQ(server->keysFrom(1), QStringList({"65,1", "78,0", "78,0", "13,0"}));
    const QJsonArray messages = gridRows(ann->lastState(), "gridmess");
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(text(messages.last(), "text").contains("Welcome, Ann!"));
    EXPECT_EQ(xdotool({"getwindowname", ann->windowId()}), "Quorlak Town");
    // the town's map, walls and all, fills the middle of the display in cyan
    const QImage town =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, kLowerMap, isCyan) > 1000; });
    EXPECT_GT(countPixels(town, kLowerMap, isCyan), 1000);
}

TEST_F(EndToEnd, CtrlIFillsTheItemGridWithAllSixPages) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    ASSERT_TRUE(ann->keys({"ctrl+i"}));
    QStringList request;
    for (int page = 1; page <= 6; ++page) request << "118,0" << QString("%1,0").arg(48 + page);
    EXPECT_TRUE(server->waitForKeys(1, request << "73,2"));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const QJsonArray rows = gridRows(s, "griditems");
        for (int r = 0; r < 84; ++r)
            if (!text(rows[r], "text").startsWith(QString("%1.").arg(r + 1, 2))) return false;
        return true;
    }));
    const QJsonObject s = ann->lastState();
    const QJsonArray rows = gridRows(s, "griditems");
    ASSERT_EQ(rows.size(), 98);
    for (int r = 84; r < 98; ++r) EXPECT_EQ(text(rows[r], "text"), "") << r;
    EXPECT_EQ(text(rows[0], "text"), " 1.Short sword");
    // the wielded sword is marked by the server's small box
    EXPECT_EQ(text(rows[0], "mark"), QString(QChar(0x2022)));
    EXPECT_TRUE(rows[0]["bold"].toBool());
    EXPECT_EQ(s["itemsexpected"].toInt(), 0);
    // shown, and the bulk request never moves the view away from the first page
    EXPECT_TRUE(s["griditems"]["visible"].toBool());
    EXPECT_EQ(s["griditems"]["toprow"].toInt(), 0);
}

TEST_F(EndToEnd, ThePopUpMenuOfAnItemRowUsesTheItem) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    ASSERT_TRUE(ann->keys({"F7", "1"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return s["griditems"]["visible"].toBool() && text(gridRows(s, "griditems")[4], "text") == " 5.Healing potion";
    }));
    const QJsonObject grid = ann->lastState()["griditems"].toObject();
    const QPoint row5(grid["left"].toInt() + 80, grid["top"].toInt() + (4 - grid["toprow"].toInt()) * 16 + 8);
    ASSERT_TRUE(ann->clickDisplay(row5, 3));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["itemmenus"].toInt() == 1; }));
    EXPECT_EQ(ann->lastState()["itempick"].toInt(), 5);
    // the menu holds the keyboard while it is open: down to "Use", then take it
    ASSERT_TRUE(waitUntil([&] { return ann->visibleWindows().size() > 1; }));
    ASSERT_TRUE(xdotool({"key", "--delay", "40", "Down", "Down", "Return"}));
    EXPECT_TRUE(server->waitForKeys(1, {"85,1", "53,0", "13,0"}));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const QJsonArray messages = gridRows(s, "gridmess");
        return !messages.isEmpty() && text(messages.last(), "text").contains("You drink the Healing potion");
    }));
    // the server lists the page again, now without the potion
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return text(gridRows(s, "griditems")[4], "text") == " 5.";
    })) << text(gridRows(ann->lastState(), "griditems")[4], "text").toStdString();
}

TEST_F(EndToEnd, ArrowKeysWalkOutOfTownIntoAnEncounterThatFillsTheLogWindow) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    const QImage before =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, kMapArea, isCyan) > 1500; });
    ASSERT_TRUE(ann->keys({"Right"}));
    EXPECT_TRUE(server->waitForKeys(1, {"13,0", "39,0"}));
    // the player's mark moves on the map
    const QImage after =
        waitForShot(*ann, [&](const QImage& shot) { return shot.copy(kMapArea) != before.copy(kMapArea); });
    EXPECT_NE(after.copy(kMapArea), before.copy(kMapArea));
    ASSERT_TRUE(ann->keys(kToFrozenGate.mid(1)));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) { return caption(s) == "Frozen Gate"; }))
        << caption(ann->lastState()).toStdString();
    EXPECT_EQ(server->keysFrom(1).mid(4),
              QStringList(kToFrozenGate).replaceInStrings("Right", "39,0").replaceInStrings("Up", "38,0"));

    // north into the goblins' corner
    ASSERT_TRUE(ann->keys({"Right", "Right", "Up", "Up", "Up"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["logging"].toBool(); }))
        << caption(ann->lastState()).toStdString();
    ASSERT_TRUE(ann->keys({"Return", "Return", "Return"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["log"]["text"].toString().count("\r\n") >= 6; }));
    const QJsonObject log = ann->lastState()["log"].toObject();
    EXPECT_TRUE(log["text"].toString().startsWith("You are attacked by")) << log["text"].toString().toStdString();
    EXPECT_TRUE(log["text"].toString().contains("Goblin"));
    EXPECT_TRUE(log["exists"].toBool() && !log["visible"].toBool());
    // "view log" in the menu bar shows it, beside the game and not over it
    const QJsonArray viewLog = ann->lastState()["window"]["menubar"]["mnuviewlog"].toArray();
    ASSERT_EQ(viewLog.size(), 2);
    ASSERT_TRUE(ann->clickWindow(QPoint(viewLog[0].toInt(), viewLog[1].toInt()), 1));
    ASSERT_TRUE(ann->waitForState(
        [](const QJsonObject& s) { return s["log"]["visible"].toBool() && s["window"]["logshown"].toBool(); }));
    const QString logId = QString::number(ann->lastState()["window"]["logid"].toInteger());
    EXPECT_EQ(xdotool({"getwindowname", logId}), "encounter log");
    const auto where = xdotool({"getwindowgeometry", "--shell", logId});
    ASSERT_TRUE(where);
    const auto x = QRegularExpression("^X=(\\d+)$", QRegularExpression::MultilineOption).match(*where);
    ASSERT_TRUE(x.hasMatch()) << where->toStdString();
    EXPECT_GE(x.captured(1).toInt(), 512);
    // dark lines of text on the log's light page
    EXPECT_TRUE(waitUntil([&] {
        const QImage shot = ClientWindow::shot(logId);
        return !shot.isNull() && countPixels(shot, shot.rect(), [](QRgb c) { return qGray(c) < 80; }) > 300;
    }));
}

TEST_F(EndToEnd, AWideWindowStandsTheItemGridAtTheRightEdgeAndNarrowsBack) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    ASSERT_TRUE(ann->keys({"F7", "1"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["griditems"]["visible"].toBool(); }));
    const QSize narrow = ClientWindow::shot(ann->windowId()).size();
    ASSERT_TRUE(ann->resize(800, 600));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const int width = s["client"]["width"].toInt();
        return width > 612 && s["griditems"]["left"].toInt() == width - 222 && s["griditems"]["top"].toInt() == 0 &&
               s["griditems"]["height"].toInt() == s["client"]["height"].toInt();
    }));
    // the item rows now show in the column right of the display
    const QRect column(ann->displayOrigin() + QPoint(578, 0), QSize(222, 300));
    EXPECT_TRUE(waitUntil([&] { return countPixels(ClientWindow::shot(ann->windowId()), column, isCyan) > 300; }));
    ASSERT_TRUE(ann->resize(narrow.width(), narrow.height()));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const QJsonValue grid = s["griditems"];
        return grid["left"].toInt() == 182 && grid["top"].toInt() == 200 && grid["width"].toInt() == 330 &&
               grid["height"].toInt() == 225;
    }));
}
