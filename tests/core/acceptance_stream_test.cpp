// The received stream end to end: framing into records, the tail kept between
// chunks, the freeze, the pause, dispatch by code and the decoding of points.
#include "acceptance_rig.h"

using namespace quorlak::test;

namespace {

constexpr QRgb kOrange = 0xff8000;

class StreamAcceptance : public Acceptance {
protected:
    double x() { return state()["currentx"].toDouble(); }
    double y() { return state()["currenty"].toDouble(); }
    std::string rxtail() { return bytesOf(state()["rxtail"]); }
    void expectPoint(double wantX, double wantY, const std::string& why) {
        EXPECT_EQ(x(), wantX) << why;
        EXPECT_EQ(y(), wantY) << why;
    }
    // Something on the display that a clear would remove.
    void drawMarkAt(int px, int py) { recv(rec("ps", "(" + std::to_string(px) + "," + std::to_string(py) + ")")); }
    void dblclick() { run(R"({"dblclick": true})"); }
};

}  // namespace

// --- framing -----------------------------------------------------------------------

TEST_F(StreamAcceptance, UnfinishedRecordWaitsInTheTailForItsSeparator) {
    drawMarkAt(300, 300);
    recv(rec("cs") + "lc(1,2)");
    EXPECT_EQ(pixel(300, 300), 0u);  // "cs" ran
    EXPECT_EQ(rxtail(), "lc(1,2)");
    expectPoint(0, 0, "lc waits");

    recv("\x1f");  // a chunk of one separator runs the pending record alone
    expectPoint(1, 2, "lc ran");
    EXPECT_EQ(rxtail(), "");
}

TEST_F(StreamAcceptance, TailGrowsAcrossChunksWithoutSeparators) {
    recv("l");
    recv("c(4");
    recv("0,5");
    EXPECT_EQ(rxtail(), "lc(40,5");
    recv(
        "0)\x1f"
        "lc(6,");
    expectPoint(40, 50, "joined record");
    EXPECT_EQ(rxtail(), "lc(6,");
}

TEST_F(StreamAcceptance, OneBlankThenOneCarriageReturnAreTrimmed) {
    drawMarkAt(300, 300);
    recv(" \rcs\x1f");
    EXPECT_EQ(pixel(300, 300), 0u);

    drawMarkAt(300, 300);
    recv(
        "\r cs\x1f"
        "  cs\x1f"
        "\r\rcs\x1f");  // the code becomes " c" or "\rc": ignored
    EXPECT_EQ(pixel(300, 300), kOrange);
    recv("\rcs\x1f");
    EXPECT_EQ(pixel(300, 300), 0u);
}

TEST_F(StreamAcceptance, EmptyShortIgnoredAndUnknownRecordsDoNothing) {
    drawMarkAt(300, 300);
    recv(rec("lc", "(3,4)"));
    const QImage before = picture();
    // "clcu" is an ignored "cl" record: it erases nothing where the box stood.
    recv(std::string("\x1f\x1f") + rec("c") + rec("CS") + rec("Lc", "(9,9)") + rec("pv", "(9,9)") +
         rec("cl", "(0,0)-(511,511)") + rec("clcu", "(0,0)-(511,511)") + rec("zz", "(9,9)") + rec("\r") + rec(" "));
    EXPECT_EQ(picture(), before);
    expectPoint(3, 4, "nothing moved");
    recv(rec("lc", "(5,6)"));  // and the stream goes on
    expectPoint(5, 6, "next record");
}

TEST_F(StreamAcceptance, HoweverTheStreamIsCutTheResultIsTheSame) {
    const std::string stream =
        rec("cd", "01|") + rec("lc", "(40,60)") + rec("pt", "'Hello'") + rec("ln", "(10,300)-(200,310)") +
        rec("bx", "20,20,60,50") + rec("fx", "(100,400)-(140,420)") + rec("ce", "(300,100),25") +
        rec("cu", "(60,250)-(8,0)") + rec("po", "\"abc\"") + " \r" + rec("ps", "(5,5)") + "lc(7,";
    ReplayRig whole;
    whole.recv(stream);
    for (size_t size : {1, 2, 3, 7}) {
        ReplayRig cut;
        for (size_t i = 0; i < stream.size(); i += size) cut.recv(stream.substr(i, size));
        EXPECT_EQ(cut.picture(), whole.picture()) << size;
        QJsonObject a = cut.state(), b = whole.state();
        EXPECT_EQ(a, b) << size;
    }
    EXPECT_EQ(bytesOf(whole.state()["rxtail"]), "lc(7,");
}

TEST_F(StreamAcceptance, MoreRecordsInOneChunkThanASixteenBitCounterAllRun) {
    std::string chunk;
    for (int i = 0; i < 40000; ++i) chunk += rec("lc", "(1,1)");
    chunk += rec("lc", "(9,8)");
    recv(chunk);
    expectPoint(9, 8, "last of 40001");
}

// --- freeze --------------------------------------------------------------------------

TEST_F(StreamAcceptance, FrozenChunksAreLostButTheTailFromBeforeStays) {
    drawMarkAt(300, 300);
    recv("lc(7,");
    dblclick();
    recv("8)\x1f" + rec("cs") + "zz");
    EXPECT_EQ(pixel(300, 300), kOrange);
    EXPECT_EQ(rxtail(), "lc(7,");
    dblclick();
    recv("9)\x1f");  // the straddling record joins text from both sides of the freeze
    expectPoint(7, 9, "joined across the freeze");
    EXPECT_EQ(pixel(300, 300), kOrange);  // the lost "cs" is never replayed
}

// --- pause ---------------------------------------------------------------------------

TEST_F(StreamAcceptance, RestOfTheChunkWaitsBehindAPauseAndKeepsItsPoints) {
    recv(rec("ln", "(0,0)-(20,30)") + rec("pz", "50") + rec("ln", "(5,5)") + "lc(1,");
    EXPECT_TRUE(state()["holding"].toBool());
    expectPoint(20, 30, "before the pause");
    EXPECT_EQ(rxtail(), "lc(1,");  // the tail is settled before any record runs
    advance(50);
    EXPECT_TRUE(state()["holding"].toBool());
    advance(1);
    EXPECT_FALSE(state()["holding"].toBool());
    // Same chunk: the second point comes from the first line.
    expectPoint(20, 30, "after the pause");
    EXPECT_EQ(pixel(5, 5), kOrange);
    EXPECT_EQ(pixel(12, 17), kOrange);
}

TEST_F(StreamAcceptance, PauseArgumentsReadLeniently) {
    recv(rec("pz", " 1 0.6"));  // blanks skipped, rounded: 11
    advance(11);
    EXPECT_TRUE(state()["holding"].toBool());
    advance(1);
    EXPECT_FALSE(state()["holding"].toBool());

    recv(rec("pz", "-5") + rec("lc", "(2,2)"));  // negative: no wait
    expectPoint(2, 2, "negative pause");
    recv(rec("pz", "soon") + rec("lc", "(3,3)"));  // no number: waits for the clock to move at all
    EXPECT_TRUE(state()["holding"].toBool());
    advance(1);
    expectPoint(3, 3, "zero pause");
}

// --- points ---------------------------------------------------------------------------

TEST_F(StreamAcceptance, WrittenFormsOfPointsDecodeAlike) {
    recv(rec("ln", "(10,20)-(30,40)"));
    expectPoint(30, 40, "(x0,y0)-(x1,y1)");
    EXPECT_EQ(pixel(10, 20), kOrange);
    recv(rec("ln", "110,120,130,140"));
    expectPoint(130, 140, "x0,y0,x1,y1");
    EXPECT_EQ(pixel(110, 120), kOrange);
    recv(rec("ce", "(200,200),30"));
    expectPoint(200, 200, "(x,y),r");
    EXPECT_EQ(pixel(230, 200), kOrange);
}

TEST_F(StreamAcceptance, MissingSecondPointComesFromEarlierInTheSameChunkOnly) {
    recv(rec("ln", "(10,20)-(30,40)") + rec("ln", "(100,200)"));
    expectPoint(30, 40, "inherited");
    EXPECT_EQ(pixel(100, 200), kOrange);
    recv(rec("ln", "(100,200)"));  // a new chunk starts from zero
    expectPoint(0, 0, "fresh chunk");
    EXPECT_EQ(pixel(0, 0), kOrange);
}

TEST_F(StreamAcceptance, NumbersAreReadLenientlyAndRoundedHalfToEven) {
    recv(rec("lc", "7.5,8.5"));
    expectPoint(8, 8, "half to even");
    recv(rec("lc", "(5, 6)"));
    expectPoint(5, 6, "blanks");
    recv(rec("lc", "( 1 2 , 3 4 )"));
    expectPoint(12, 34, "blanks inside a number");
    recv(rec("lc", "&H10,&O10"));
    expectPoint(16, 8, "hexadecimal and octal");
    recv(rec("lc", "2.5x,junk"));
    expectPoint(2, 0, "text after the number, and none at all");
}

TEST_F(StreamAcceptance, MinusSeparatesSoNoCoordinateIsNegative) {
    recv(rec("ln", "(50,60)-(70,80)") + rec("ln", "(1,-2)"));
    // x0 1, y0 0 (the empty piece), x1 2; y1 kept from the line before.
    expectPoint(2, 80, "(1,-2)");
    EXPECT_EQ(pixel(1, 0), kOrange);
}

TEST_F(StreamAcceptance, ArgumentsWithoutAPointOrOutOfRangeAreIgnored) {
    recv(rec("lc", "(30,40)"));
    const QImage before = picture();
    recv(rec("lc", "(5)") + rec("lc", "") + rec("ps", "(40000,1)") + rec("ln", "(1,1)-(1,99999)") + rec("ce", "12"));
    expectPoint(30, 40, "ignored");
    EXPECT_EQ(picture(), before);
}
