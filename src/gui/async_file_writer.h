#pragma once
// Writes lines to a file on a thread of its own, so that a slow disk never
// holds the window up. What waits to be written is bounded: past the bound a
// line is refused, not queued. Each batch is flushed as it is written.

#include <QString>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "base/line_sink.h"

namespace quorlak {

class AsyncFileWriter : public LineSink {
public:
    static constexpr size_t kMaxWaitingBytes = size_t{16} << 20;
    enum class Mode { Replace, Append };

    // Opens `path` at once; see error() for whether that worked.
    AsyncFileWriter(const QString& path, Mode mode);
    // Writes out what waits, then closes the file.
    ~AsyncFileWriter() override;
    AsyncFileWriter(const AsyncFileWriter&) = delete;
    AsyncFileWriter& operator=(const AsyncFileWriter&) = delete;

    // Queues the line and a line feed; false once the file failed, or when
    // too much waits already.
    bool writeLine(std::string_view line) override;
    // Waits until everything queued so far is in the file (or it failed).
    void drain();
    // Why the file cannot be written; empty while all is well.
    QString error() const;
    const QString& path() const { return path_; }

private:
    void run();
    void fail(const QString& why);

    QString path_;
    std::FILE* file_ = nullptr;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable written_;
    std::deque<std::string> waiting_;
    size_t waitingBytes_ = 0;
    bool writing_ = false;
    bool stopping_ = false;
    QString error_;
    std::thread thread_;
};

}  // namespace quorlak
