#include "gui/async_file_writer.h"

#include <QFile>
#include <cerrno>
#include <cstring>

namespace quorlak {

AsyncFileWriter::AsyncFileWriter(const QString& path, Mode mode) : path_(path) {
    file_ = std::fopen(QFile::encodeName(path).constData(), mode == Mode::Append ? "ab" : "wb");
    if (!file_) {
        error_ = QStringLiteral("cannot write %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    thread_ = std::thread([this] { run(); });
}

AsyncFileWriter::~AsyncFileWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
    if (file_) std::fclose(file_);
}

bool AsyncFileWriter::writeLine(std::string_view line) {
    {
        std::lock_guard lock(mutex_);
        if (!error_.isEmpty() || !file_) return false;
        if (waitingBytes_ + line.size() + 1 > kMaxWaitingBytes) return false;
        waiting_.emplace_back(line).push_back('\n');
        waitingBytes_ += line.size() + 1;
    }
    wake_.notify_one();
    return true;
}

void AsyncFileWriter::drain() {
    std::unique_lock lock(mutex_);
    written_.wait(lock, [this] { return (waiting_.empty() && !writing_) || !error_.isEmpty() || !file_; });
}

QString AsyncFileWriter::error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

void AsyncFileWriter::fail(const QString& why) {
    std::lock_guard lock(mutex_);
    error_ = why;
    waiting_.clear();
    waitingBytes_ = 0;
}

void AsyncFileWriter::run() {
    for (;;) {
        std::deque<std::string> batch;
        {
            std::unique_lock lock(mutex_);
            writing_ = false;
            written_.notify_all();
            wake_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
            if (waiting_.empty()) return;
            batch.swap(waiting_);
            waitingBytes_ = 0;
            writing_ = true;
        }
        bool ok = true;
        for (const std::string& line : batch) ok = ok && std::fwrite(line.data(), 1, line.size(), file_) == line.size();
        ok = ok && std::fflush(file_) == 0;
        if (!ok) {
            fail(QStringLiteral("cannot write %1: %2").arg(path_, QString::fromLocal8Bit(std::strerror(errno))));
            std::lock_guard lock(mutex_);
            writing_ = false;
            written_.notify_all();
            return;
        }
    }
}

}  // namespace quorlak
