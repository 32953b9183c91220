// One player in a real window against the stand-in server: what the keys and
// clicks make the server receive, and what the window then shows and holds.

#include <QJsonArray>
#include <QJsonDocument>
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

QStringList repeated(const QString& item, int times) {
    QStringList items;
    for (int i = 0; i < times; ++i) items << item;
    return items;
}

// The arrows from the town's shrine out through its east gate.
const QStringList kToFrozenGate = repeated("Right", 9) + QStringList{"Up", "Right", "Right"};

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

// Where row `row` of the item grid is on the display, as the state places the grid.
QPoint itemRowOnDisplay(const QJsonObject& s, int row) {
    const QJsonObject grid = s["griditems"].toObject();
    return {grid["left"].toInt() + 80, grid["top"].toInt() + (row - grid["toprow"].toInt()) * 16 + 8};
}

}  // namespace

TEST_F(EndToEnd, ShowsTheWelcomeScreenThenEntersTheTownByName) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann);
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["cdseen"].toBool(); }));
    EXPECT_EQ(caption(ann->lastState()), "Duvur Quorlak");
    EXPECT_EQ(xdotool({"getwindowname", ann->windowId()}), "Duvur Quorlak");

    // The welcome screen is drawn: the title in coral at the top left, words elsewhere.
    const QImage welcome =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, QRect(0, 0, 170, 40), isCoral) > 40; });
    ASSERT_FALSE(welcome.isNull());
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

    // The town's map, walls and all, fills the middle of the display in cyan.
    const QImage town =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, kLowerMap, isCyan) > 1000; });
    EXPECT_GT(countPixels(town, kLowerMap, isCyan), 1000);
}

TEST_F(EndToEnd, ArrowKeysWalkThroughTheTownIntoTheNextArea) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    const QImage before =
        waitForShot(*ann, [](const QImage& shot) { return countPixels(shot, kMapArea, isCyan) > 1500; });

    ASSERT_TRUE(ann->keys({"Right"}));
    EXPECT_TRUE(server->waitForKeys(1, {"13,0", "39,0"}));
    // The player's mark moves on the map.
    const QImage after =
        waitForShot(*ann, [&](const QImage& shot) { return shot.copy(kMapArea) != before.copy(kMapArea); });
    EXPECT_NE(after.copy(kMapArea), before.copy(kMapArea));

    ASSERT_TRUE(ann->keys(kToFrozenGate.mid(1)));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) { return caption(s) == "Frozen Gate"; }))
        << caption(ann->lastState()).toStdString();
    const QStringList walked = repeated("39,0", 9) + QStringList{"38,0", "39,0", "39,0"};
    EXPECT_EQ(server->keysFrom(1).mid(4), walked);
}

TEST_F(EndToEnd, CtrlIFillsTheItemGridWithAllSixPages) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));

    ASSERT_TRUE(ann->keys({"ctrl+i"}));
    QStringList request;
    for (int page = 1; page <= 6; ++page) request << "118,0" << QString("%1,0").arg(48 + page);
    EXPECT_TRUE(server->waitForKeys(1, request + QStringList{"73,2"}));

    auto listed = [](const QJsonObject& s) {
        const QJsonArray rows = gridRows(s, "griditems");
        for (int r = 0; r < 84; ++r)
            if (!text(rows[r], "text").startsWith(QString("%1.").arg(r + 1, 2))) return false;
        return true;
    };
    ASSERT_TRUE(ann->waitForState(listed));
    const QJsonObject s = ann->lastState();
    const QJsonArray rows = gridRows(s, "griditems");
    ASSERT_EQ(rows.size(), 98);
    for (int r = 84; r < 98; ++r) EXPECT_EQ(text(rows[r], "text"), "") << r;
    EXPECT_EQ(text(rows[0], "text"), " 1.Short sword");
    // The wielded sword is marked by the server's small box.
    EXPECT_EQ(text(rows[0], "mark"), QString(QChar(0x2022)));
    EXPECT_TRUE(rows[0].toObject()["bold"].toBool());
    EXPECT_EQ(s["itemsexpected"].toInt(), 0);
    EXPECT_TRUE(s["griditems"].toObject()["visible"].toBool());
    // The bulk request never moves the view away from the first page.
    EXPECT_EQ(s["griditems"].toObject()["toprow"].toInt(), 0);
}

TEST_F(EndToEnd, ThePopUpMenuOfAnItemRowUsesTheItem) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    ASSERT_TRUE(ann->keys({"F7", "1"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return s["griditems"].toObject()["visible"].toBool() &&
               text(gridRows(s, "griditems")[4], "text") == " 5.Healing potion";
    }));

    ASSERT_TRUE(ann->clickDisplay(itemRowOnDisplay(ann->lastState(), 4), 3));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["itemmenus"].toInt() == 1; }));
    EXPECT_EQ(ann->lastState()["itempick"].toInt(), 5);
    // The menu holds the keyboard while it is open: down to "Use", then take it.
    ASSERT_TRUE(waitUntil([&] { return ann->visibleWindows().size() > 1; }));
    ASSERT_TRUE(xdotool({"key", "--delay", "40", "Down", "Down", "Return"}));

    EXPECT_TRUE(server->waitForKeys(1, {"85,1", "53,0", "13,0"}));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const QJsonArray messages = gridRows(s, "gridmess");
        return !messages.isEmpty() && text(messages.last(), "text").contains("You drink the Healing potion");
    }));
    // The server lists the page again, now without the potion.
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return text(gridRows(s, "griditems")[4], "text") == " 5.";
    })) << text(gridRows(ann->lastState(), "griditems")[4], "text").toStdString();
}

TEST_F(EndToEnd, AnEncounterFillsTheLogWindow) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    // Out of town, then north into the goblins' corner.
    ASSERT_TRUE(ann->keys(kToFrozenGate + QStringList{"Right", "Right", "Up", "Up", "Up"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["logging"].toBool(); }))
        << caption(ann->lastState()).toStdString();
    ASSERT_TRUE(ann->keys({"Return", "Return", "Return"}));
    ASSERT_TRUE(ann->waitForState(
        [](const QJsonObject& s) { return s["log"].toObject()["text"].toString().count("\r\n") >= 6; }));
    QJsonObject log = ann->lastState()["log"].toObject();
    EXPECT_TRUE(log["text"].toString().startsWith("You are attacked by")) << log["text"].toString().toStdString();
    EXPECT_TRUE(log["text"].toString().contains("Goblin"));
    EXPECT_TRUE(log["exists"].toBool());
    EXPECT_FALSE(log["visible"].toBool());

    // "view log" in the menu bar shows it.
    const QJsonArray viewLog = ann->lastState()["window"].toObject()["menubar"].toObject()["mnuviewlog"].toArray();
    ASSERT_EQ(viewLog.size(), 2);
    ASSERT_TRUE(ann->clickWindow(QPoint(viewLog[0].toInt(), viewLog[1].toInt()), 1));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        return s["log"].toObject()["visible"].toBool() && s["window"].toObject()["logshown"].toBool();
    }));
    const QString logId = QString::number(ann->lastState()["window"].toObject()["logid"].toInteger());
    EXPECT_EQ(xdotool({"getwindowname", logId}), "encounter log");
    // It opens beside the game, not over it.
    const auto where = xdotool({"getwindowgeometry", "--shell", logId});
    ASSERT_TRUE(where);
    const auto x = QRegularExpression("^X=(\\d+)$", QRegularExpression::MultilineOption).match(*where);
    ASSERT_TRUE(x.hasMatch()) << where->toStdString();
    EXPECT_GE(x.captured(1).toInt(), 512);
    // Dark lines of text on the log's light page.
    QImage shot;
    EXPECT_TRUE(waitUntil([&] {
        shot = ClientWindow::shot(logId);
        return !shot.isNull() && countPixels(shot, shot.rect(), [](QRgb c) { return qGray(c) < 80; }) > 300;
    }));
}

TEST_F(EndToEnd, AWideWindowStandsTheItemGridAtTheRightEdgeAndNarrowsBack) {
    ClientWindow* ann = openClient();
    ASSERT_TRUE(ann && ann->enterGame("Ann"));
    ASSERT_TRUE(ann->keys({"F7", "1"}));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) { return s["griditems"].toObject()["visible"].toBool(); }));
    const QImage narrowShot = ClientWindow::shot(ann->windowId());
    ASSERT_FALSE(narrowShot.isNull());

    ASSERT_TRUE(ann->resize(800, 600));
    ASSERT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const QJsonObject grid = s["griditems"].toObject();
        const int width = s["client"].toObject()["width"].toInt();
        return width > 612 && grid["left"].toInt() == width - 222 && grid["top"].toInt() == 0 &&
               grid["width"].toInt() == 222 && grid["height"].toInt() == s["client"].toObject()["height"].toInt();
    })) << QJsonDocument(ann->lastState()["griditems"].toObject()).toJson().left(200).toStdString();
    // The item rows now show in the column right of the display.
    const QJsonObject window = ann->lastState()["window"].toObject();
    const QRect column(window["displayx"].toInt() + 578, window["displayy"].toInt(), 222, 300);
    EXPECT_TRUE(waitUntil([&] { return countPixels(ClientWindow::shot(ann->windowId()), column, isCyan) > 300; }));

    ASSERT_TRUE(ann->resize(narrowShot.width(), narrowShot.height()));
    EXPECT_TRUE(ann->waitForState([](const QJsonObject& s) {
        const QJsonObject grid = s["griditems"].toObject();
        return grid["left"].toInt() == 182 && grid["top"].toInt() == 200 && grid["width"].toInt() == 330 &&
               grid["height"].toInt() == 225;
    }));
}
