#pragma once
// One record of the server stream: a two-letter code and its argument.

#include <string_view>

namespace quorlak {

constexpr char kSeparator = '\x1f';

enum class RecordCode { cs, pz, pv, lc, ps, ln, bx, fx, cr, ce, pt, po, cl, bs, cu, cd, cw, unknown };

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
