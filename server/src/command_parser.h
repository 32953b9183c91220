#pragma once
// A line the player typed and sent with Enter, taken apart. Command letters
// are matched in either case: the client sends "U3" with Shift but "bi3"
// without, and players type as they like.

#include <QString>

namespace quorlak::server {

struct Command {
    enum class Kind {
        Empty,     // Enter alone
        Number,    // a bare number: answers a question, or picks a foe
        Use,       // U<n>
        Cast,      // P<n>
        Give,      // G<n>
        Exchange,  // X<a>,<b>
        Bank,      // bi<n>
        Message,   // Mp<name>
        Say,       // say <text>
        Shout,     // shout <text>
        Help,
        Unknown,
    };

    Kind kind = Kind::Empty;
    int first = 0;   // the item, spell or foe number; 0 when not given
    int second = 0;  // the second item of an exchange
    QString text;    // a name or the words said
};

Command parseCommand(const QString& line);

}  // namespace quorlak::server
