// Keyboards other than the US one, the menus while the text box is open, and
// a server that goes away and comes back, in real windows.
#include <QJsonArray>
#include <QStandardPaths>

#include "e2e_support.h"

using namespace quorlak::e2e;

namespace {

// The display's keyboard layout for a while, then the US one again.
struct Layout {
    explicit Layout(const char* name) { QProcess::execute(QStringLiteral("setxkbmap"), {QLatin1String(name)}); }
    ~Layout() { QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")}); }
};

QJsonValue at(const QJsonObject& state, const char* object, const char* key) {
    return state[QLatin1String(object)].toObject()[QLatin1String(key)];
}

}  // namespace

TEST_F(EndToEnd, TheSameTextGivesTheSameKeysOnUsGermanAndFrenchKeyboards) {
    if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
        GTEST_SKIP() << "setxkbmap is missing (apt-get install x11-xkb-utils)";
    ClientWindow* joe = openClient();
    ASSERT_TRUE(joe);
    const QString text = QStringLiteral("/=;@{}a1.!(Z");
    QList<QStringList> sent;
    for (const char* name : {"us", "de", "fr"}) {
        Layout layout(name);
        const qsizetype before = server->keysFrom(1).size();
        ASSERT_TRUE(joe->type(text)) << name;
        ASSERT_TRUE(waitUntil([&] { return server->keysFrom(1).size() >= before + text.size(); })) << name;
        sent << server->keysFrom(1).mid(before);
    }
    const QStringList us =
        QStringLiteral("191,0 187,0 186,0 50,1 219,1 221,1 65,0 49,0 190,0 49,1 57,1 90,1").split(' ');
    EXPECT_EQ(sent, QList<QStringList>({us, us, us}));
    {
        Layout german("de");
        ASSERT_TRUE(joe->type(QStringLiteral("\u00e4")));
        EXPECT_TRUE(joe->waitForState(
            [](const QJsonObject& s) { return at(s, "window", "notice").toString().contains("cannot be sent"); }));
    }
    ASSERT_TRUE(joe->keys({QStringLiteral("alt+t")}));
    EXPECT_TRUE(server->waitForKeys(1, {QStringLiteral("84,4")}));
    EXPECT_FALSE(joe->state()["textboxmode"].toBool());
}

TEST_F(EndToEnd, DelayTogglesFromTheMenuWhileTheTextBoxIsOpen) {
    ClientWindow* joe = openClient();
    ASSERT_TRUE(joe);
    auto item = [&](const char* name) {
        const QJsonArray centre = at(joe->state()["window"].toObject(), "menubar", name).toArray();
        return QPoint(centre[0].toInt(), centre[1].toInt());
    };
    ASSERT_TRUE(joe->clickWindow(item("mnutextbox"), 1));
    ASSERT_TRUE(joe->waitForState([](const QJsonObject& s) { return s["textboxmode"].toBool(); }));
    ASSERT_TRUE(joe->keys({QStringLiteral("Return")}));  // a name is picked; the next question opens the box
    ASSERT_TRUE(joe->waitForState([](const QJsonObject& s) { return at(s, "txtbox", "visible").toBool(); }));
    for (int click = 1; click <= 3; ++click) {
        ASSERT_TRUE(joe->clickWindow(item("mnudelay"), 1));
        EXPECT_TRUE(joe->waitForState([&](const QJsonObject& s) {
            return s["delaymode"].toBool() == (click % 2 == 0);
        })) << click;
    }
}

TEST_F(EndToEnd, ALostServerIsShownAndTheClientGoesBackWhenItReturns) {
    ClientWindow* joe = openClient();
    ASSERT_TRUE(joe);
    const quint16 port = server->port();
    server.reset();
    ASSERT_TRUE(joe->waitForState([](const QJsonObject& s) {
        return at(s, "link", "stale").toBool() && at(s, "link", "state").toString() == "waiting";
    }));
    QProcess back;
    back.start(QStringLiteral(QUORLAK_BUILD_DIR "/quorlak-server"), {QStringLiteral("--port"), QString::number(port)});
    ASSERT_TRUE(back.waitForStarted());
    EXPECT_TRUE(joe->waitForState(
        [](const QJsonObject& s) { return s["connected"].toBool() && !at(s, "link", "stale").toBool(); }, 40000));
    clients.clear();  // before the server goes
}
