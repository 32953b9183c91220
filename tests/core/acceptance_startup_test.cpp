// The main window as it stands right after loading, end to end: every shared
// variable, the panels after the first showing, the font and the pictures.
#include <QFont>
#include <QFontInfo>

#include "acceptance_rig.h"
#include "canvas/pictures.h"

using namespace quorlak;
using namespace quorlak::test;

namespace {

// A character definition with one lit pixel at column 1, row 1.
std::string firstPixelOnly(int n) {
    std::string pattern(CustomCharacters::kColumns * CustomCharacters::kRows, '0');
    pattern[0] = '1';
    char number[3];
    std::snprintf(number, sizeof number, "%02d", n);
    return rec("cd", std::string(number) + "|" + pattern);
}

void expectGeometry(const QJsonObject& control, int left, int top, int width, int height, const char* name) {
    EXPECT_EQ(control["left"].toInt(), left) << name;
    EXPECT_EQ(control["top"].toInt(), top) << name;
    EXPECT_EQ(control["width"].toInt(), width) << name;
    EXPECT_EQ(control["height"].toInt(), height) << name;
}

int litPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) != 0;
    return n;
}

}  // namespace

TEST_F(Acceptance, EveryVariableStartsFromItsInitialValueWithDelayOn) {
    const QJsonObject s = state();
    EXPECT_TRUE(s["delaymode"].toBool());
    for (const char* flag : {"cdseen", "logging", "textboxmode", "frozen", "scrolling"})
        EXPECT_FALSE(s[flag].toBool()) << flag;
    for (const char* number :
         {"expnow", "expstart", "gaugenow", "gaugemax", "boxleft", "boxtop", "boxlen", "itemsexpected", "itemnum",
          "itempick", "xchgitem", "itemsheight", "lasttoprow", "lastusers", "beeps"})
        EXPECT_EQ(s[number].toInt(-1), 0) << number;
    EXPECT_EQ(bytesOf(s["rxtail"]), "");
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(bytesOf(s["slottext"].toArray()[i]), "") << i;
        EXPECT_EQ(s["slotx"].toArray()[i].toInt(-1), 0) << i;
        EXPECT_EQ(s["sloty"].toArray()[i].toInt(-1), 0) << i;
    }
    EXPECT_EQ(s["currentx"].toDouble(-1), 0);
    EXPECT_EQ(s["currenty"].toDouble(-1), 0);
    EXPECT_TRUE(s["sent"].toArray().isEmpty());
}

TEST_F(Acceptance, WindowOpensOrangeOnBlackWithItsCaptionsAndAnEmptyDisplay) {
    const QJsonObject s = state();
    EXPECT_EQ(bytesOf(s["forecolor"]), "#ff8000");
    EXPECT_EQ(bytesOf(s["backcolor"]), "#000000");
    EXPECT_EQ(bytesOf(s["caption"]), "Duvur Quorlak");
    const QJsonObject menus = s["menus"].toObject();
    EXPECT_EQ(bytesOf(menus["mnutextbox"]), "&Textbox");
    EXPECT_EQ(bytesOf(menus["mnudelay"]), "&DELAY");
    EXPECT_EQ(bytesOf(menus["mnuviewlog"]), "view &log");
    EXPECT_EQ(bytesOf(menus["netexp"]), "");
    EXPECT_EQ(litPixels(picture()), 0);
    EXPECT_FALSE(object("log")["exists"].toBool());
}

TEST_F(Acceptance, FirstShowingLaysOutThePanelsAndLeavesTheOthersAsDesigned) {
    const QJsonObject s = state();
    const QJsonObject items = s["griditems"].toObject();
    expectGeometry(items, 182, 200, 330, 225, "griditems");
    EXPECT_EQ(items["rows"].toArray().size(), 98);
    EXPECT_EQ(items["toprow"].toInt(-1), 0);
    for (const auto& row : items["rows"].toArray()) {
        EXPECT_EQ(bytesOf(row.toObject()["mark"]), "");
        EXPECT_EQ(bytesOf(row.toObject()["text"]), "");
    }
    const QJsonObject messages = s["gridmess"].toObject();
    expectGeometry(messages, 0, 456, 513, 56, "gridmess");
    EXPECT_TRUE(messages["rows"].toArray().isEmpty());
    expectGeometry(s["tabstrip"].toObject(), 184, 424, 337, 25, "tabstrip");
    EXPECT_FALSE(s["tabstrip"].toObject()["front"].toBool());  // the item grid lies above it as created

    const QJsonObject box = s["txtbox"].toObject();
    expectGeometry(box, 128, 136, 81, 18, "txtbox");
    EXPECT_FALSE(box["visible"].toBool());
    EXPECT_EQ(bytesOf(box["text"]), "");
}

TEST_F(Acceptance, PauseWaitsRightAfterLoading) {
    recv(rec("pz", "10") + rec("lc", "(7,8)"));
    EXPECT_TRUE(state()["holding"].toBool());
    EXPECT_EQ(state()["currentx"].toDouble(), 0);
    advance(11);
    EXPECT_EQ(state()["currentx"].toDouble(), 7);
}

TEST_F(Acceptance, GameScreenOnceBegunStaysBegun) {
    beginScreen();
    EXPECT_TRUE(state()["cdseen"].toBool());
    recv(screenBegins() + rec("cs") + rec("cr", "(0,0)-(511,511)"));
    run(R"({"resize": [700, 600]})");
    run(R"({"dblclick": true})");
    run(R"({"dblclick": true})");
    EXPECT_TRUE(state()["cdseen"].toBool());
}

// Without any picture file every picture number falls back to its custom
// character, so loading has left all 23 elements empty but usable.
TEST_F(Acceptance, WithoutPictureFilesEveryNumberDrawsItsCustomCharacter) {
    for (int n = 1; n <= Pictures::kCount; ++n) {
        recv(firstPixelOnly(n) + rec("cs") + rec("lc", "(100,100)") + rec("cw", std::to_string(n)));
        EXPECT_EQ(litPixels(picture()), 1) << n;
        EXPECT_EQ(pixel(101, 101), 0xff8000u) << n;
    }
}

// The picture table as the driver loads it from the data files: number n
// draws the file the table names for n.
TEST(AcceptancePictures, TableNumbersDrawTheirNamedFiles) {
    ensureGuiApp();
    const Pictures loaded = loadPictures();
    for (int n : {1, 7, 15, 20, 21, 22, 23}) ASSERT_TRUE(loaded.has(n)) << "data files missing: picture " << n;
    for (int n = 16; n <= 19; ++n) EXPECT_FALSE(loaded.has(n)) << n;

    const auto drawn = [&](int n, int x, int y) {
        ReplaySession session(loaded, loadTerminalFont());
        session.receiveFile(rec("lc", "(" + std::to_string(x) + "," + std::to_string(y) + ")") +
                            rec("cw", std::to_string(n)));
        return session.core().canvas().image();
    };
    const auto expectPicture = [](const QImage& screen, const QString& file, QRect where) {
        QImage want(findDataFile("pictures/" + file));
        ASSERT_FALSE(want.isNull()) << file.toStdString();
        want = want.convertToFormat(QImage::Format_ARGB32).scaled(where.size());
        int differ = 0;
        for (int y = 0; y < where.height(); ++y)
            for (int x = 0; x < where.width(); ++x) {
                const QRgb w = want.pixel(x, y);
                if (qAlpha(w) < 128) continue;  // transparent parts leave the black display
                differ += (screen.pixel(where.x() + x, where.y() + y) & 0xffffff) != (w & 0xffffff);
            }
        EXPECT_EQ(differ, 0) << file.toStdString();
    };
    expectPicture(drawn(1, 10, 10), "bear.gif", QRect(10, 10, 44, 44));
    expectPicture(drawn(7, 322, 60), "wizard.gif", QRect(300, 60, 44, 44));
    expectPicture(drawn(15, 10, 10), "merman.gif", QRect(10, 10, 44, 44));
    const QImage chest(findDataFile("pictures/Treasure-chest-closed.gif"));
    expectPicture(drawn(20, 400, 100), "Treasure-chest-closed.gif", QRect(QPoint(180, 40), chest.size()));
    const QImage water(findDataFile("pictures/water.gif"));
    expectPicture(drawn(21, 30, 300), "water.gif", QRect(QPoint(30, 300), water.size()));
    expectPicture(drawn(22, 10, 10), "skull&bones.gif", QRect(10, 10, 32, 32));
    expectPicture(drawn(23, 10, 10), "peace.gif", QRect(10, 10, 32, 32));
}

// The font file beside the program is installed and its face is the one text is printed in.
TEST(AcceptanceFont, TerminalFaceIsInstalledAtTwelvePoints) {
    ensureGuiApp();
    const QFont font = loadTerminalFont();
    const QFontInfo info(font);
    EXPECT_EQ(info.family(), QStringLiteral("KELVOASCII"));
    EXPECT_EQ(info.pixelSize(), 16);
}

// With the terminal face unknown to the platform a substitute face still prints the text.
TEST(AcceptanceFont, MissingFaceFallsBackToASubstitute) {
    ensureGuiApp();
    QFont missing(QStringLiteral("No Such Terminal Face"));
    missing.setPixelSize(16);
    ReplaySession session(Pictures{}, missing);
    session.receiveFile(rec("lc", "(20,40)") + rec("pt", "'HELLO'"));
    const QImage& screen = session.core().canvas().image();
    int lit = 0;
    for (int y = 30; y < 70; ++y)
        for (int x = 15; x < 70; ++x) lit += (screen.pixel(x, y) & 0xffffff) == 0xff8000;
    EXPECT_GT(lit, 20);
}
