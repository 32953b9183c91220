// The new ways to start, and the message log's file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/command_line.h"
#include "gui/async_file_writer.h"
#include "gui/message_log.h"

using namespace quorlak;
using Mode = LaunchOptions::Mode;

namespace {

LaunchOptions parsed(QStringList args) {
    args.prepend(QStringLiteral("quorlak"));
    return parseCommandLine(args);
}

}  // namespace

TEST(LaunchOptions, ZoomRecordingAndPlaybackAreCheckedAsTheyAreRead) {
    const LaunchOptions play = parsed({"--play=s.jsonl", "--speed", "0.5", "--zoom", "3"});
    EXPECT_EQ(play.mode, Mode::Play);
    EXPECT_EQ(play.playFile, QStringLiteral("s.jsonl"));
    EXPECT_EQ(play.speed, 0.5);
    EXPECT_EQ(play.zoom, 3);
    const LaunchOptions record = parsed({"--demo", "--record", "f.jsonl"});
    EXPECT_EQ(record.mode, Mode::Demo);
    EXPECT_EQ(record.recordFile, QStringLiteral("f.jsonl"));
    for (const QStringList& bad : {QStringList{"--zoom", "5"},
                                   {"--zoom=x"},
                                   {"--speed", "9"},
                                   {"--speed=0.4"},
                                   {"--play"},
                                   {"--record="},
                                   {"--play", "a", "--connect", "h:1"},
                                   {"--demo", "--play", "a"},
                                   {"--play", "a", "--record", "b"}})
        EXPECT_EQ(parsed(bad).mode, Mode::Error) << bad.join(' ').toStdString();
}

TEST(MessageLog, WritesEachNewRowWithItsTimeAndSaysWhenItCannot) {
    QTemporaryDir dir;
    MessageGridModel grid;
    grid.rows.push_back({"old", "", "", "old", std::nullopt});
    const QDateTime at(QDate(2024, 5, 1), QTime(14, 3, 22));
    MessageLog log(grid, dir.filePath(QStringLiteral("logs")), [&] { return at; });
    ASSERT_TRUE(log.start()) << log.problem().toStdString();
    grid.rows.push_back({"G Ann  hello \xe9", "G", "Ann", "hello", std::nullopt});
    grid.rows.push_back({"", "", "", "the client's own", std::nullopt});
    ASSERT_TRUE(log.sync());
    const QString path = log.path();
    EXPECT_TRUE(path.endsWith(QStringLiteral("messages-2024-05-01.txt")));
    log.stop();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("2024-05-01 14:03:22  G Ann  hello \u00e9\n2024-05-01 14:03:22  the client's own\n"));

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    MessageLog nowhere(grid, blocker.fileName() + QStringLiteral("/logs"));
    EXPECT_FALSE(nowhere.start());
    EXPECT_TRUE(nowhere.problem().contains(blocker.fileName())) << nowhere.problem().toStdString();
    // the next day's file name taken by a folder
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("logs"))).mkdir(QStringLiteral("messages-2024-05-02.txt")));
    MessageLog taken(grid, dir.filePath(QStringLiteral("logs")), [&] { return at.addDays(1); });
    EXPECT_FALSE(taken.start());
    EXPECT_TRUE(taken.problem().startsWith(QLatin1String("Cannot log messages: "))) << taken.problem().toStdString();
}

TEST(AsyncFileWriter, AFullDiskIsReportedAndTheQueueIsBounded) {
    QTemporaryDir dir;
    AsyncFileWriter fine(dir.filePath(QStringLiteral("f.txt")), AsyncFileWriter::Mode::Replace);
    EXPECT_FALSE(fine.writeLine(std::string(AsyncFileWriter::kMaxWaitingBytes, 'x')));
    EXPECT_TRUE(fine.writeLine("small"));
    AsyncFileWriter nowhere(dir.filePath(QStringLiteral("missing/f.txt")), AsyncFileWriter::Mode::Append);
    EXPECT_TRUE(nowhere.error().contains(QLatin1String("missing/f.txt")));
    EXPECT_FALSE(nowhere.writeLine("lost"));
    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    AsyncFileWriter full(QStringLiteral("/dev/full"), AsyncFileWriter::Mode::Append);
    ASSERT_TRUE(full.writeLine("one"));
    full.drain();
    EXPECT_TRUE(full.error().startsWith(QLatin1String("cannot write /dev/full")));
    EXPECT_FALSE(full.writeLine("two"));
}
