// Reading the client's key stream: the item parser, the keys' characters and
// the commands typed with them.

#include "command_parser.h"
#include "key_codes.h"
#include "key_item_parser.h"

#include <gtest/gtest.h>
#include <random>

using namespace quorlak::server;

namespace {

std::vector<KeyEvent> parse(const QByteArray& bytes) {
    KeyItemParser parser;
    return parser.feed(bytes);
}

KeyEvent key(int code, int mask = 0) { return KeyEvent::key(code, mask); }

}  // namespace

TEST(KeyItemParser, ReadsItemsBackToBack) {
    EXPECT_EQ(parse(" 80, 1 49, 0 13, 0"), (std::vector{key(80, 1), key(49), key(13)}));
    EXPECT_EQ(parse(" 118, 0"), (std::vector{key(118)}));
    EXPECT_EQ(parse(" 73, 2"), (std::vector{key(73, 2)}));
}

TEST(KeyItemParser, ItemIsReadyAtItsLastByte) {
    // Enter must act at once, not when some later key shows where it ended.
    KeyItemParser parser;
    EXPECT_TRUE(parser.feed(QByteArray(" 13,")).empty());
    EXPECT_TRUE(parser.feed(QByteArray(" ")).empty());
    EXPECT_EQ(parser.feed(QByteArray("0")), (std::vector{key(13)}));
}

TEST(KeyItemParser, SplitAnywhereGivesTheSameKeys) {
    const QByteArray stream(" 80, 1 49, 0 13, 0");
    const auto whole = parse(stream);
    for (int cut = 0; cut <= stream.size(); ++cut) {
        KeyItemParser parser;
        auto events = parser.feed(stream.left(cut));
        const auto rest = parser.feed(stream.mid(cut));
        events.insert(events.end(), rest.begin(), rest.end());
        EXPECT_EQ(events, whole) << "cut at " << cut;
    }
    KeyItemParser bytewise;
    std::vector<KeyEvent> events;
    for (char byte : stream) {
        if (auto event = bytewise.push(byte)) events.push_back(*event);
    }
    EXPECT_EQ(events, whole);
}

TEST(KeyItemParser, TwoZeroBytesAreTheKeepAlive) {
    EXPECT_EQ(parse(QByteArray("\0\0", 2)), (std::vector{KeyEvent::keepAlive()}));
    EXPECT_EQ(parse(QByteArray(" 65, 0\0\0 66, 1", 15)), (std::vector{key(65), KeyEvent::keepAlive(), key(66, 1)}));
    // One zero alone is noise; a zero inside an item spoils only that item.
    EXPECT_EQ(parse(QByteArray("\0 65, 0", 7)), (std::vector{key(65)}));
    EXPECT_EQ(parse(QByteArray(" 6\0 66, 0", 9)), (std::vector{key(66)}));
    EXPECT_EQ(parse(QByteArray("\0\0\0\0", 4)), (std::vector{KeyEvent::keepAlive(), KeyEvent::keepAlive()}));
}

TEST(KeyItemParser, SkipsGarbageAndPicksUpAtTheNextItem) {
    EXPECT_EQ(parse("hello 65, 0"), (std::vector{key(65)}));
    EXPECT_EQ(parse(" 6x5, 0 66, 0"), (std::vector{key(66)}));
    EXPECT_EQ(parse(" 65,0 66, 0"), (std::vector{key(66)}));  // blank missing after the comma
    EXPECT_EQ(parse(" , 0 67, 1"), (std::vector{key(67, 1)}));
    EXPECT_EQ(parse("  68, 0"), (std::vector{key(68)}));                   // doubled blank
    EXPECT_EQ(parse(" 65, 0123 66, 0"), (std::vector{key(65), key(66)}));  // the mask is one digit
    EXPECT_EQ(parse("\r\n 65, 0\xff\xfe"), (std::vector{key(65)}));
}

TEST(KeyItemParser, OverlongCodesAreDroppedWithoutGrowing) {
    QByteArray longCode(" ");
    longCode += QByteArray(100000, '9');
    longCode += ", 0 66, 0";
    EXPECT_EQ(parse(longCode), (std::vector{key(66)}));
    EXPECT_EQ(parse(" 65536, 0 65535, 0"), (std::vector{key(65535)}));
    // Its whole state is a few integers, whatever it has read.
    EXPECT_LE(sizeof(KeyItemParser), 16u);
}

TEST(KeyItemParser, RandomBytesNeverBreakTheItemsAfterThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray noise;
        const int length = int(random() % 64);
        for (int i = 0; i < length; ++i) noise += char(random() % 256);
        KeyItemParser parser;
        parser.feed(noise);
        // A blank-led item after any noise is read; the noise may at worst
        // have left half an item that this blank abandons.
        const auto events = parser.feed(QByteArray("\x01 72, 1"));
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back(), key(72, 1));
    }
}

TEST(TypedCharacter, FollowsShiftAndIgnoresChords) {
    EXPECT_EQ(typedCharacter(65, 0), QChar('a'));
    EXPECT_EQ(typedCharacter(65, 1), QChar('A'));
    EXPECT_EQ(typedCharacter(49, 0), QChar('1'));
    EXPECT_EQ(typedCharacter(49, 1), QChar('!'));
    EXPECT_EQ(typedCharacter(32, 0), QChar(' '));
    EXPECT_EQ(typedCharacter(188, 0), QChar(','));
    EXPECT_EQ(typedCharacter(222, 1), QChar('"'));
    EXPECT_EQ(typedCharacter(99, 0), QChar('3'));  // keypad
    EXPECT_TRUE(typedCharacter(65, 2).isNull());   // Ctrl+A
    EXPECT_TRUE(typedCharacter(73, 2).isNull());   // after a bulk list request
    EXPECT_TRUE(typedCharacter(37, 0).isNull());   // arrows walk
    EXPECT_TRUE(typedCharacter(118, 0).isNull());  // F7
}

TEST(TypedCharacter, ReadsPunctuationTheClientSendsByCharacterCode) {
    // Pasted or boxed text arrives as character codes: "X3,7" sends 44 for ",".
    EXPECT_EQ(typedCharacter(44, 0), QChar(','));
    EXPECT_EQ(typedCharacter(46, 0), QChar('.'));
    EXPECT_EQ(typedCharacter(63, 0), QChar('?'));
}

TEST(CommandParser, ReadsWhatTheClientsMenusSend) {
    using K = Command::Kind;
    auto is = [](const QString& line, K kind, int first = 0, int second = 0) {
        const Command c = parseCommand(line);
        return c.kind == kind && c.first == first && c.second == second;
    };
    EXPECT_TRUE(is("U17", K::Use, 17));
    EXPECT_TRUE(is("P1", K::Cast, 1));
    EXPECT_TRUE(is("G3", K::Give, 3));
    EXPECT_TRUE(is("X3,7", K::Exchange, 3, 7));
    EXPECT_TRUE(is("X3,", K::Exchange, 3, 0));
    EXPECT_TRUE(is("bi5", K::Bank, 5));
    EXPECT_TRUE(is("7", K::Number, 7));
    EXPECT_TRUE(is("", K::Empty));
    EXPECT_TRUE(is("u", K::Use, 0));
    EXPECT_TRUE(is("u 12", K::Use, 12));

    const Command message = parseCommand("Mpjoe" + QString(18, ' '));
    EXPECT_EQ(message.kind, K::Message);
    EXPECT_EQ(message.text, "joe");
}

TEST(CommandParser, TalkAndNonsense) {
    const Command say = parseCommand("say  hello there ");
    EXPECT_EQ(say.kind, Command::Kind::Say);
    EXPECT_EQ(say.text, "hello there");
    EXPECT_EQ(parseCommand("SHOUT hi").kind, Command::Kind::Shout);
    EXPECT_EQ(parseCommand("help").kind, Command::Kind::Help);
    EXPECT_EQ(parseCommand("use").kind, Command::Kind::Unknown);
    EXPECT_EQ(parseCommand("U-3").kind, Command::Kind::Unknown);
    EXPECT_EQ(parseCommand("Xa,b").kind, Command::Kind::Unknown);
    EXPECT_EQ(parseCommand("zzz").kind, Command::Kind::Unknown);
}
