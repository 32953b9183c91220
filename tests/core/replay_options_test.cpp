// The replay driver's command line.
#include <gtest/gtest.h>

#include <variant>

#include "replay/replay_options.h"

using namespace quorlak;

namespace {

ReplayOptions parsed(const QStringList& args) {
    auto result = parseReplayArgs(args);
    if (auto* why = std::get_if<std::string>(&result)) ADD_FAILURE() << "refused: " << *why;
    return std::holds_alternative<ReplayOptions>(result) ? std::get<ReplayOptions>(result) : ReplayOptions{};
}

bool refused(const QStringList& args) { return std::holds_alternative<std::string>(parseReplayArgs(args)); }

}  // namespace

TEST(ReplayOptions, NoArgumentsRunTheDefaultWindowOnNothing) {
    const auto opt = parsed({});
    EXPECT_EQ(opt.chunk, 0u);
    EXPECT_EQ(opt.width, 512);
    EXPECT_EQ(opt.height, 512);
    EXPECT_TRUE(opt.streams.isEmpty());
    EXPECT_TRUE(opt.scriptPath.isEmpty());
    EXPECT_FALSE(opt.help);
}

TEST(ReplayOptions, EveryOptionAndStreamFilesInOrder) {
    const auto opt = parsed({"a.bin", "--chunk", "7", "--size", "640x480", "--png", "out.png", "--state", "-",
                             "--script", "s.jsonl", "b.bin"});
    EXPECT_EQ(opt.chunk, 7u);
    EXPECT_EQ(opt.width, 640);
    EXPECT_EQ(opt.height, 480);
    EXPECT_EQ(opt.pngPath, "out.png");
    EXPECT_EQ(opt.statePath, "-");
    EXPECT_EQ(opt.scriptPath, "s.jsonl");
    EXPECT_EQ(opt.streams, QStringList({"a.bin", "b.bin"}));

    const auto joined = parsed({"--chunk=3", "--size=1x2", "--state=st.json"});
    EXPECT_EQ(joined.chunk, 3u);
    EXPECT_EQ(joined.width, 1);
    EXPECT_EQ(joined.height, 2);
    EXPECT_EQ(joined.statePath, "st.json");

    // After "--" a name that looks like an option is a stream file.
    EXPECT_EQ(parsed({"--", "--odd.bin"}).streams, QStringList({"--odd.bin"}));
    EXPECT_TRUE(parsed({"--help"}).help);
}

TEST(ReplayOptions, UnusableArgumentsAreRefused) {
    for (const QStringList& args : std::initializer_list<QStringList>{
             {"--bogus"},
             {"--chunk"},
             {"--chunk", "0"},
             {"--chunk", "-4"},
             {"--chunk", "+4"},
             {"--chunk", "4k"},
             {"--chunk="},
             {"--size", "512"},
             {"--size", "512x"},
             {"--size", "x512"},
             {"--size", "-1x5"},
             {"--size", "40000x10"},
             {"--size", "10x10x10"},
             {"--png", ""},
             {"--state"},
             {"--script="},
         }) {
        EXPECT_TRUE(refused(args)) << args.join(' ').toStdString();
    }
}
