// The framer's own invariants: records do not depend on how the stream is
// cut, and no record grows memory unbounded.
#include "wire/framer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quorlak;

namespace {

using Strings = std::vector<std::string>;

// Records what the framer hands over as "code:argument".
class Recorder : public RecordHandler {
public:
    void beginChunk() override { ++chunks; }
    Flow handle(const Record& r) override {
        records.push_back(std::string(recordCodeName(r.code)) + ":" + std::string(r.arg));
        return Flow::Continue;
    }
    Strings records;
    int chunks = 0;
};

struct Rig {
    StreamFramer framer;
    Recorder rec;
    void feed(std::string_view bytes) { framer.feed(bytes, rec); }
    const std::string& tail() const { return framer.tail(); }
};

}  // namespace

TEST(Framer, EveryChunkingGivesTheSameRecordsAndTail) {
    const std::string stream =
        "cs\x1f lc(1,2)\x1f\x1f\rpt'a b'\x1fzz\x1f"
        "cw5\x1f"
        "bx1,2,3,4\x1f"
        "end";
    Rig whole;
    whole.feed(stream);
    EXPECT_EQ(whole.rec.records, Strings({"cs:", "lc:(1,2)", "??:", "pt:'a b'", "??:", "cw:5", "bx:1,2,3,4"}));
    for (size_t size = 1; size <= 7; ++size) {
        Rig cut;
        for (size_t i = 0; i < stream.size(); i += size) cut.feed(std::string_view(stream).substr(i, size));
        EXPECT_EQ(cut.rec.records, whole.rec.records) << "pieces of " << size;
        EXPECT_EQ(cut.tail(), "end");
        EXPECT_EQ(cut.rec.chunks, int((stream.size() + size - 1) / size));  // per-chunk state starts each time
    }
}

TEST(Framer, OversizedRecordIsDroppedAndMemoryStaysBounded) {
    Rig rig;
    const std::string block(64 * 1024, 'x');
    rig.feed("cs\x1fpt");
    for (size_t sent = 0; sent < 3 * StreamFramer::kMaxTail; sent += block.size()) {
        rig.feed(block);
        EXPECT_LE(rig.tail().size(), StreamFramer::kMaxTail);
    }
    EXPECT_TRUE(rig.framer.discarding() && !rig.framer.holding());
    rig.feed("yyy\x1fps1,2\x1f");
    EXPECT_EQ(rig.rec.records, Strings({"cs:", "ps:1,2"}));
    EXPECT_FALSE(rig.framer.discarding());
    // a record just under the bound still runs
    rig.feed("pt" + std::string(StreamFramer::kMaxTail - 2, 'a'));
    rig.feed("\x1f");
    EXPECT_EQ(rig.rec.records.size(), 3u);

    // also when the oversized tail comes in one chunk
    Rig one;
    one.feed("cs\x1f" + std::string(StreamFramer::kMaxTail + 10, 'q'));
    EXPECT_TRUE(one.tail().empty());
    one.feed(
        "more\x1f"
        "cs\x1f");
    EXPECT_EQ(one.rec.records, Strings({"cs:", "cs:"}));
}
