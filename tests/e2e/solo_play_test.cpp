// One player in a real window against the stand-in server: keys and clicks
// through the X server, the server's screens read back by the window.

#include <QRegularExpression>

#include "e2e_support.h"

using namespace quorlak::e2e;

namespace {

bool isCyan(QRgb c) { return qRed(c) < 64 && qGreen(c) > 192 && qBlue(c) > 192; }
bool isCoral(QRgb c) { return qRed(c) > 224 && qGreen(c) > 96 && qGreen(c) < 160 && qBlue(c) > 48 && qBlue(c) < 112; }

// Polls screenshots of the display until `holds`; the last one taken is returned.
QImage waitForShot(ClientWindow& client, const std::function<bool(const QImage&)>& holds) {
    QImage shot;
    waitUntil([&] {
        shot = client.displayShot();
        return !shot.isNull() && holds(shot);
    });
    return shot;
}

QString lastMessage(const QJsonObject& s) { return text(gridRows(s, "gridmess").last(), "text"); }

}  // namespace

TEST_F(EndToEnd, APlayerEntersTheTownUsesAnItemAndMeetsGoblinsThatTheLogWindowShows) {
    // the town's map right of the status column, and its lower part, which the welcome screen leaves black
    const QRect map(176, 236, 336, 200), lowerMap(176, 340, 336, 96);
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->waitForState([](const QJsonObject& s) { return s["cdseen"].toBool(); }));
    EXPECT_EQ(xdotool({"getwindowname", ann->windowId()}), "Duvur Quorlak");
    const QImage welcome =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, QRect(0, 0, 170, 40), isCoral) > 40; });
    EXPECT_GT(countPixels(welcome, QRect(0, 0, 170, 40), isCoral), 40);  // the title at the top left
    EXPECT_LT(countPixels(welcome, lowerMap, isCyan), 50);
    EXPECT_TRUE(server->keysFrom(1).isEmpty());

    ASSERT_TRUE(ann->enterGame("Ann"));
    EXPECT_EQ(server->keysFrom(1), QStringList({"65,1", "78,0", "78,0", "13,0"}));
    EXPECT_TRUE(lastMessage(ann->lastState()).contains("Welcome, Ann!"));
    EXPECT_EQ(xdotool({"getwindowname", ann->windowId()}), "Quorlak Town");
    const QImage town =
        waitForShot(*ann, [&](const QImage& shot) { return countPixels(shot, lowerMap, isCyan) > 1000; });
    ASSERT_TRUE(ann->keys({"Right"}));
    EXPECT_TRUE(server->waitForKeys(1, {"13,0", "39,0"}));
    // the player's mark moves on the map
    EXPECT_NE(waitForShot(*ann, [&](const QImage& shot) { return shot.copy(map) != town.copy(map); }).copy(map),
              town.copy(map));

    // the first page of items; a right click opens the pop-up menu, which holds the keyboard
    ASSERT_TRUE(ann->keys({"F7", "1"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return s["griditems"]["visible"].toBool() && text(gridRows(s, "griditems")[4], "text") == " 5.Healing potion";
    }));
    EXPECT_EQ(text(gridRows(ann->lastState(), "griditems")[0], "mark"), QString(QChar(0x2022)));  // the wielded sword
    const QJsonValue grid = ann->lastState()["griditems"];
    ASSERT_TRUE(ann->clickDisplay(
        QPoint(grid["left"].toInt() + 80, grid["top"].toInt() + (4 - grid["toprow"].toInt()) * 16 + 8), 3));
    ASSERT_TRUE(waitUntil([&] { return ann->visibleWindows().size() > 1; }));
    ASSERT_TRUE(xdotool({"key", "--delay", "40", "Down", "Down", "Return"}));  // "Use"
    EXPECT_TRUE(server->waitForKeys(1, {"85,1", "53,0", "13,0"}));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return lastMessage(s).contains("You drink the Healing potion") &&
               text(gridRows(s, "griditems")[4], "text") == " 5.";  // listed again, without the potion
    }));

    // out through the east gate, then north into the goblins' corner
    ASSERT_TRUE(
        ann->keys({"Right", "Right", "Right", "Right", "Right", "Right", "Right", "Right", "Up", "Right", "Right"}));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["caption"].toString() == "Frozen Gate"; }));
    ASSERT_TRUE(ann->keys({"Right", "Right", "Up", "Up", "Up"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["logging"].toBool(); }));
    ASSERT_TRUE(ann->keys({"Return", "Return", "Return"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["log"]["text"].toString().count("\r\n") >= 6; }));
    const QString log = ann->lastState()["log"]["text"].toString();
    EXPECT_TRUE(log.startsWith("You are attacked by") && log.contains("Goblin")) << log.toStdString();
    EXPECT_FALSE(ann->lastState()["log"]["visible"].toBool());
    // "view log" in the menu bar shows it, beside the game
    const QJsonArray viewLog = ann->lastState()["window"]["menubar"]["mnuviewlog"].toArray();
    ASSERT_EQ(viewLog.size(), 2);
    ASSERT_TRUE(ann->clickWindow(QPoint(viewLog[0].toInt(), viewLog[1].toInt()), 1));
    ASSERT_TRUE(ann->waitForState(
        [](const QJsonObject& s) { return s["log"]["visible"].toBool() && s["window"]["logshown"].toBool(); }));
    const QString logId = QString::number(ann->lastState()["window"]["logid"].toInteger());
    EXPECT_EQ(xdotool({"getwindowname", logId}), "encounter log");
    const auto x = QRegularExpression("^X=(\\d+)$", QRegularExpression::MultilineOption)
                       .match(xdotool({"getwindowgeometry", "--shell", logId}).value_or(""));
    EXPECT_GE(x.captured(1).toInt(), 512);
    // dark lines of text on the log's light page
    EXPECT_TRUE(waitUntil([&] {
        const QImage shot = ClientWindow::shot(logId);
        return !shot.isNull() && countPixels(shot, shot.rect(), [](QRgb c) { return qGray(c) < 80; }) > 300;
    }));
}
