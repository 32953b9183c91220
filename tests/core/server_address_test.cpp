#include "wire/server_address.h"

#include <gtest/gtest.h>

using namespace quorlak;

TEST(ParsePort, AcceptsWholeNumbersInRangeWithBlanksAround) {
    const std::pair<const char*, int> cases[] = {
        {"1212", 1212},   {"  1212  ", 1212}, {"\t1212 ", 1212}, {"65535", 65535},
        {"32767", 32767}, {"01212", 1212},    {"+80", 80},
    };
    for (const auto& [text, port] : cases) {
        QString error;
        const auto parsed = parsePort(QString::fromLatin1(text), &error);
        ASSERT_TRUE(parsed.has_value()) << text << ": " << error.toStdString();
        EXPECT_EQ(*parsed, port) << text;
        EXPECT_TRUE(error.isEmpty()) << text;
    }
}

TEST(ParsePort, RefusesTextThatIsNoWholeNumber) {
    for (const char* text : {"abc", "12a", "1212.5", "1.0", "1e3", "12 12", "+", "-", "0x50", "&H50"}) {
        QString error;
        EXPECT_FALSE(parsePort(QString::fromLatin1(text), &error).has_value()) << text;
        EXPECT_TRUE(error.contains(QLatin1String("whole number"))) << text << ": " << error.toStdString();
    }
    // Digits of other scripts are not the player's port either.
    EXPECT_FALSE(parsePort(QStringLiteral("\u0661\u0662")).has_value());
}

TEST(ParsePort, RefusesEmptyAndOutOfRangeWithTheirOwnReason) {
    QString empty, blank, negative, tooBig, huge, zero;
    EXPECT_FALSE(parsePort(QString(), &empty));
    EXPECT_FALSE(parsePort(QStringLiteral("   "), &blank));
    EXPECT_FALSE(parsePort(QStringLiteral("-1"), &negative));
    EXPECT_FALSE(parsePort(QStringLiteral("65536"), &tooBig));
    EXPECT_FALSE(parsePort(QStringLiteral("0"), &zero));
    // A run of digits far beyond any integer width must not wrap into range.
    EXPECT_FALSE(parsePort(QStringLiteral("4294968508"), &huge));  // 2^32 + 1212
    EXPECT_FALSE(parsePort(QStringLiteral("99999999999999999999999999")));
    EXPECT_EQ(empty, blank);
    EXPECT_NE(empty, negative);
    EXPECT_TRUE(negative.contains(QLatin1String("65535")));
    EXPECT_TRUE(zero.contains(QLatin1String("Port 0")));
    EXPECT_EQ(negative, tooBig);
    EXPECT_EQ(tooBig, huge);
}

TEST(ParseServerAddress, SplitsHostAndPortAtTheLastColon) {
    const std::pair<const char*, std::tuple<QString, int, QString>> cases[] = {
        {"game.example.org:1212", {"game.example.org", 1212, "game.example.org:1212"}},
        {"[::1]:4000", {"::1", 4000, "[::1]:4000"}},
        {"127.0.0.1: 80 ", {"127.0.0.1", 80, "127.0.0.1:80"}}};
    for (const auto& [text, want] : cases) {
        const auto a = parseServerAddress(QString::fromLatin1(text));
        ASSERT_TRUE(a) << text;
        EXPECT_EQ(std::tuple(a->host, int(a->port), a->display()), want) << text;
    }
}

TEST(ParseServerAddress, RefusesMissingPartsAndBadPorts) {
    for (const char* text : {"localhost", ":1212", "[]:1212", "localhost:", "localhost:abc", "localhost:65536",
                             "localhost:0", "localhost:1212.5", ""}) {
        QString error;
        EXPECT_FALSE(parseServerAddress(QString::fromLatin1(text), &error)) << text;
        EXPECT_FALSE(error.isEmpty()) << text;
    }
}
