#include "wire/framer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quorlak;

namespace {

// Records what the framer hands over; can hold the stream on a given record.
class Recorder : public RecordHandler {
public:
    void beginChunk() override { records.push_back("<chunk>"); }
    Flow handle(const Record& r) override {
        std::string s = std::string(recordCodeName(r.code)) + ":" + std::string(r.arg);
        records.push_back(s);
        return s == holdOn ? Flow::Hold : Flow::Continue;
    }
    std::vector<std::string> records;
    std::string holdOn;
};

std::vector<std::string> complete(const std::vector<std::string>& all) {
    std::vector<std::string> out;
    for (const auto& r : all)
        if (r != "<chunk>") out.push_back(r);
    return out;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(Framer, UnfinishedRecordWaitsForItsSeparator) {
    StreamFramer framer;
    Recorder rec;
    framer.feed("cs\x1flc(1,2)", rec);
    EXPECT_EQ(complete(rec.records), Strings({"cs:"}));
    EXPECT_EQ(framer.tail(), "lc(1,2)");
    framer.feed("\x1fps(3,4)\x1f", rec);
    EXPECT_EQ(complete(rec.records), Strings({"cs:", "lc:(1,2)", "ps:(3,4)"}));
    EXPECT_EQ(framer.tail(), "");
}

TEST(Framer, ChunkOfOneSeparatorRunsThePendingRecord) {
    StreamFramer framer;
    Recorder rec;
    framer.feed("pt'hi'", rec);
    EXPECT_TRUE(complete(rec.records).empty());
    framer.feed("\x1f", rec);
    EXPECT_EQ(complete(rec.records), Strings({"pt:'hi'"}));
    EXPECT_TRUE(framer.tail().empty());
}

TEST(Framer, EveryChunkingGivesTheSameRecords) {
    const std::string stream =
        "cs\x1f lc(1,2)\x1f\x1f\rpt'a b'\x1fzz\x1f"
        "cw5\x1f"
        "bx1,2,3,4\x1f"
        "end";
    StreamFramer whole;
    Recorder one;
    whole.feed(stream, one);
    for (size_t size = 1; size <= 7; ++size) {
        StreamFramer framer;
        Recorder rec;
        for (size_t i = 0; i < stream.size(); i += size) framer.feed(std::string_view(stream).substr(i, size), rec);
        EXPECT_EQ(complete(rec.records), complete(one.records)) << "chunk size " << size;
        EXPECT_EQ(framer.tail(), "end");
    }
}

TEST(Framer, TrimsOneBlankThenOneCarriageReturn) {
    EXPECT_EQ(parseRecord(" \rcs").code, RecordCode::cs);
    EXPECT_EQ(parseRecord("\rcs").code, RecordCode::cs);
    EXPECT_EQ(parseRecord(" cs").code, RecordCode::cs);
    EXPECT_EQ(parseRecord("\r cs").code, RecordCode::unknown);  // the blank after the return stays
    EXPECT_EQ(parseRecord("  cs").code, RecordCode::unknown);   // only one blank goes
    EXPECT_EQ(parseRecord("\r\rcs").code, RecordCode::unknown);
}

TEST(Framer, CodesAreTwoCharactersCaseSensitive) {
    EXPECT_EQ(parseRecord("").code, RecordCode::unknown);
    EXPECT_EQ(parseRecord("c").code, RecordCode::unknown);
    EXPECT_EQ(parseRecord("CS").code, RecordCode::unknown);
    const Record r = parseRecord("clcu(1,2)");
    EXPECT_EQ(r.code, RecordCode::cl);  // anything starting "cl" is the ignored code
    EXPECT_EQ(r.arg, "cu(1,2)");
    const Record t = parseRecord("pt\"x\"");
    EXPECT_EQ(t.code, RecordCode::pt);
    EXPECT_EQ(t.arg, "\"x\"");
    EXPECT_EQ(parseRecord("cw").arg, "");
}

TEST(Framer, EachChunkStartsPerChunkState) {
    StreamFramer framer;
    Recorder rec;
    framer.feed("cs\x1f", rec);
    framer.feed("c", rec);
    framer.feed("s\x1f", rec);
    EXPECT_EQ(rec.records, Strings({"<chunk>", "cs:", "<chunk>", "<chunk>", "cs:"}));
}

TEST(Framer, HoldKeepsTheRestForResume) {
    StreamFramer framer;
    Recorder rec;
    rec.holdOn = "pz:500";
    framer.feed("cs\x1fpz500\x1flc1,1\x1fps2,2\x1fp", rec);
    EXPECT_TRUE(framer.holding());
    EXPECT_EQ(complete(rec.records), Strings({"cs:", "pz:500"}));
    EXPECT_EQ(framer.tail(), "p");  // the tail is settled before any record runs
    rec.holdOn = "ps:2,2";
    framer.resume(rec);
    EXPECT_TRUE(framer.holding());
    EXPECT_EQ(complete(rec.records), Strings({"cs:", "pz:500", "lc:1,1", "ps:2,2"}));
    framer.resume(rec);
    EXPECT_FALSE(framer.holding());
    EXPECT_EQ(framer.heldBytes(), 0u);
    framer.feed("t\x1f", rec);
    EXPECT_EQ(complete(rec.records).back(), "pt:");
}

TEST(Framer, HoldOnTheFirstRecordThatJoinsTheTail) {
    StreamFramer framer;
    Recorder rec;
    rec.holdOn = "pz:9";
    framer.feed("p", rec);
    framer.feed(
        "z9\x1f"
        "cs\x1f",
        rec);
    EXPECT_TRUE(framer.holding());
    framer.resume(rec);
    EXPECT_EQ(complete(rec.records), Strings({"pz:9", "cs:"}));
}

TEST(Framer, OversizedRecordIsDroppedAndMemoryStaysBounded) {
    StreamFramer framer;
    Recorder rec;
    const std::string block(64 * 1024, 'x');
    framer.feed("cs\x1fpt", rec);
    for (size_t sent = 0; sent < 3 * StreamFramer::kMaxTail; sent += block.size()) {
        framer.feed(block, rec);
        EXPECT_LE(framer.tail().size(), StreamFramer::kMaxTail);
    }
    EXPECT_TRUE(framer.discarding());
    framer.feed("yyy\x1fps1,2\x1f", rec);
    EXPECT_EQ(complete(rec.records), Strings({"cs:", "ps:1,2"}));
    EXPECT_FALSE(framer.discarding());

    // A record just under the bound still runs.
    const std::string big = "pt" + std::string(StreamFramer::kMaxTail - 2, 'a');
    framer.feed(big, rec);
    framer.feed("\x1f", rec);
    EXPECT_EQ(complete(rec.records).size(), 3u);
}

TEST(Framer, OversizedTailInsideOneChunkIsDropped) {
    StreamFramer framer;
    Recorder rec;
    std::string chunk = "cs\x1f" + std::string(StreamFramer::kMaxTail + 10, 'q');
    framer.feed(chunk, rec);
    EXPECT_TRUE(framer.tail().empty());
    framer.feed(
        "more\x1f"
        "cs\x1f",
        rec);
    EXPECT_EQ(complete(rec.records), Strings({"cs:", "cs:"}));
}

TEST(Framer, RestartForgetsTheUnfinishedAndTheHeldRecords) {
    StreamFramer framer;
    Recorder rec;
    rec.holdOn = "pz:5";
    framer.feed(
        "pz5\x1f"
        "cs\x1flc(1,",
        rec);
    framer.restart();
    EXPECT_TRUE(framer.tail().empty());
    EXPECT_FALSE(framer.holding());
    framer.feed("ps(2,3)\x1f", rec);
    EXPECT_EQ(complete(rec.records), Strings({"pz:5", "ps:(2,3)"}));
}
