#include "gui/message_log.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

#include "base/cp1252.h"
#include "gui/async_file_writer.h"

namespace quorlak {

MessageLog::MessageLog(const MessageGridModel& model, QString directory, Now now)
    : model_(model), directory_(std::move(directory)), now_(std::move(now)) {}

MessageLog::~MessageLog() = default;

QString MessageLog::defaultDirectory() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return dir.isEmpty() ? QDir::homePath() + QStringLiteral("/.quorlak") : dir;
}

std::string MessageLog::lineFor(const MessageRow& row, const QDateTime& at) {
    // A row the client added itself has no line as read, only its text.
    const std::string& message = row.line.empty() ? row.text : row.line;
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString() + "  " +
           cp1252ToQString(message).toUtf8().toStdString();
}

bool MessageLog::start() {
    stop();
    problem_.clear();
    if (!QDir().mkpath(directory_)) {
        problem_ = QStringLiteral("Cannot log messages: the folder %1 cannot be made.").arg(directory_);
        return false;
    }
    const QString name = now_().toString(QStringLiteral("'messages-'yyyy-MM-dd'.txt'"));
    auto writer = std::make_unique<AsyncFileWriter>(QDir(directory_).filePath(name), AsyncFileWriter::Mode::Append);
    if (!writer->error().isEmpty()) {
        problem_ = QStringLiteral("Cannot log messages: %1.").arg(writer->error());
        return false;
    }
    writer_ = std::move(writer);
    nextRow_ = model_.rowCount();
    return true;
}

void MessageLog::stop() { writer_.reset(); }

QString MessageLog::path() const { return writer_ ? writer_->path() : QString(); }

bool MessageLog::sync() {
    if (!writer_) return true;
    const int64_t end = model_.rowCount();
    // Rows dropped before they were seen are gone; the rest are kept in the model.
    const int64_t first = std::max(nextRow_, model_.firstRow);
    const QDateTime at = first < end ? now_() : QDateTime();
    for (int64_t row = first; row < end; ++row) {
        if (writer_->writeLine(lineFor(model_.rows[static_cast<size_t>(row - model_.firstRow)], at))) continue;
        const QString why = writer_->error();
        problem_ = why.isEmpty() ? QStringLiteral("Message logging stopped: the disk does not keep up.")
                                 : QStringLiteral("Message logging stopped: %1.").arg(why);
        stop();
        return false;
    }
    nextRow_ = end;
    return true;
}

}  // namespace quorlak
