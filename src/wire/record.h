#pragma once
// One record of the server stream: a two-letter code and its argument.

#include <string_view>

namespace quorlak {

constexpr char kSeparator = '\x1f';

// The two-letter codes of the server's records; what each does is in kRecordCodes.
enum class RecordCode { cs, pz, pv, lc, ps, ln, bx, fx, cr, ce, pt, po, cl, bs, cu, cd, cw, unknown };

struct RecordCodeInfo {
    std::string_view name;
    RecordCode code;
    std::string_view does;
};

// Compared in this order; the first match wins.
inline constexpr RecordCodeInfo kRecordCodes[] = {
    {"cs", RecordCode::cs, "clear the screen"},
    {"pz", RecordCode::pz, "pause the stream for a number of milliseconds (DELAY mode only)"},
    {"pv", RecordCode::pv, "nothing (an old sound record)"},
    {"lc", RecordCode::lc, "locate: set the current point"},
    {"ps", RecordCode::ps, "set one point in the fore colour"},
    {"ln", RecordCode::ln, "draw a line; under an encounter slot it also marks the slot"},
    {"bx", RecordCode::bx, "draw a box outline"},
    {"fx", RecordCode::fx, "draw a filled box; a small one low down marks an item row"},
    {"cr", RecordCode::cr, "clear a rectangle to the back colour, with side duties by place"},
    {"ce", RecordCode::ce, "draw a circle"},
    {"pt", RecordCode::pt, "print a quoted text line at the current point"},
    {"po", RecordCode::po, "print a quoted text line over a cleared cell row"},
    {"cl", RecordCode::cl, "nothing"},
    {"bs", RecordCode::bs, "erase the input field from a character on"},
    {"cu", RecordCode::cu, "open an input field (or return to it with XXX)"},
    {"cd", RecordCode::cd, "define a custom character; begins the game screen"},
    {"cw", RecordCode::cw, "draw a picture or a custom character"},
};

struct Record {
    RecordCode code = RecordCode::unknown;
    std::string_view arg;
};

// Trims one leading blank, then one carriage return, and splits code from argument.
Record parseRecord(std::string_view raw);

const char* recordCodeName(RecordCode code);

// What a record handler does with the stream after a record.
enum class Flow { Continue, Hold };

// The receiver of parsed records (the terminal's "perform" side).
class RecordHandler {
public:
    virtual ~RecordHandler() = default;
    // A new chunk of received data starts: per-chunk state resets.
    virtual void beginChunk() = 0;
    // Returns Hold to keep the rest of the stream back (a pause).
    virtual Flow handle(const Record& record) = 0;
};

}  // namespace quorlak
