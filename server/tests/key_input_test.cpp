// Reading the client's key stream: the item parser, the keys' characters and
// the commands typed with them.

#include <gtest/gtest.h>

#include "command_parser.h"
#include "key_codes.h"
#include "key_item_parser.h"
#include "qstring_printer.h"

using namespace quorlak::server;

namespace {

std::vector<KeyEvent> parse(const QByteArray& bytes) { return KeyItemParser().feed(bytes); }

KeyEvent key(int code, int mask = 0) { return KeyEvent::key(code, mask); }
const KeyEvent kKeepAlive = KeyEvent::keepAlive();

}  // namespace

TEST(KeyItemParser, ReadsItemsKeepAlivesAndSkipsWhatFitsNoItem) {
    const struct {
        QByteArray bytes;
        std::vector<KeyEvent> events;
    } cases[] = {{" 80, 1 49, 0 13, 0", {key(80, 1), key(49), key(13)}},
                 {" 118, 0 73, 2", {key(118), key(73, 2)}},
                 {QByteArray(" 65, 0\0\0 66, 1", 15), {key(65), kKeepAlive, key(66, 1)}},
                 {QByteArray("\0\0\0\0", 4), {kKeepAlive, kKeepAlive}},
                 {QByteArray("\0 65, 0", 7), {key(65)}},    // one zero alone is noise
                 {QByteArray(" 6\0 66, 0", 9), {key(66)}},  // a zero spoils only its item
                 {"hello 65, 0", {key(65)}},
                 {" 6x5, 0 66, 0", {key(66)}},
                 {" 65,0 66, 0", {key(66)}},  // blank missing after the comma
                 {" , 0 67, 1", {key(67, 1)}},
                 {"  68, 0", {key(68)}},                   // doubled blank
                 {" 65, 0123 66, 0", {key(65), key(66)}},  // the mask is one digit
                 {"\r\n 65, 0\xff\xfe", {key(65)}},
                 {" 65536, 0 65535, 0", {key(65535)}},  // codes past 16 bits are dropped
                 {" " + QByteArray(100000, '9') + ", 0 66, 0", {key(66)}}};
    for (const auto& c : cases) EXPECT_EQ(parse(c.bytes), c.events) << c.bytes.left(40).toStdString();
    // Its whole state is a few integers, whatever it has read.
    EXPECT_LE(sizeof(KeyItemParser), 16u);
}

TEST(KeyItemParser, CutAnywhereGivesTheSameKeysEachReadyAtItsLastByte) {
    const QByteArray stream(" 80, 1 49, 0 13, 0");
    for (int cut = 0; cut <= stream.size(); ++cut) {
        KeyItemParser parser;
        auto events = parser.feed(stream.left(cut));
        const auto rest = parser.feed(stream.mid(cut));
        events.insert(events.end(), rest.begin(), rest.end());
        EXPECT_EQ(events, parse(stream)) << "cut at " << cut;
    }
    // Enter must act at once, not when some later key shows where it ended.
    KeyItemParser bytewise;
    for (int i = 0; i < stream.size(); ++i)
        EXPECT_EQ(bytewise.push(stream[i]).has_value(), i == 5 || i == 11 || i == 17) << i;
}

TEST(TypedCharacter, FollowsShiftReadsTheKeypadAndIgnoresChords) {
    const struct {
        int code, mask;
        char typed;  // 0: types nothing
    } cases[] = {{49, 1, '!'}, {188, 0, ','}, {222, 1, '"'}, {99, 0, '3'}, {107, 0, '+'}, {65, 2, 0},
                 {73, 2, 0},   {65, 4, 0},    {37, 0, 0},    {118, 0, 0},  {13, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(typedCharacter(c.code, c.mask), c.typed ? QChar(c.typed) : QChar()) << c.code << "," << c.mask;
}

TEST(CommandParser, ReadsNumbersAfterTheLettersAndRefusesOtherText) {
    using K = Command::Kind;
    const struct {
        QString line;
        K kind;
        int first = 0, second = 0;
    } cases[] = {{"U17", K::Use, 17},     {"u 12", K::Use, 12}, {"u", K::Use},        {"X3,7", K::Exchange, 3, 7},
                 {"X3,", K::Exchange, 3}, {"bi5", K::Bank, 5},  {"7", K::Number, 7},  {"", K::Empty},
                 {"use", K::Unknown},     {"U-3", K::Unknown},  {"Xa,b", K::Unknown}, {"help", K::Help}};
    for (const auto& c : cases) {
        const Command command = parseCommand(c.line);
        EXPECT_EQ(command.kind, c.kind) << c.line.toStdString();
        EXPECT_EQ(std::pair(command.first, command.second), std::pair(c.first, c.second)) << c.line.toStdString();
    }
    EXPECT_EQ(parseCommand("say  hello there ").text, "hello there");
    EXPECT_EQ(parseCommand("Mpjoe" + QString(18, ' ')).text, "joe");
}
