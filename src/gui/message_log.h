#pragma once
// The optional message log: each new row of the message grid is appended,
// with the date and time it arrived, to a text file in the player's data
// folder (one file a day). The file is written on a thread of its own.

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

#include "panels/panel_models.h"

namespace quorlak {

class AsyncFileWriter;

class MessageLog {
public:
    // The clock that stamps each line; replaceable for tests.
    using Now = std::function<QDateTime()>;

    // Files go to `directory` (made when missing).
    MessageLog(const MessageGridModel& model, QString directory, Now now = &QDateTime::currentDateTime);
    ~MessageLog();

    // Starts logging the rows that come from now on; false (see problem())
    // when the file cannot be opened.
    bool start();
    void stop();
    bool running() const { return writer_ != nullptr; }
    // Appends the rows added since the last call. False when a line could not
    // be written; logging stops then.
    bool sync();
    // What went wrong, for the player; empty while all is well.
    const QString& problem() const { return problem_; }
    // The file written to (empty when not running).
    QString path() const;

    // The player's data folder (~/.local/share/Quorlak/quorlak on Linux).
    static QString defaultDirectory();
    // The text of a row's line in the file: time, two blanks, the message.
    static std::string lineFor(const MessageRow& row, const QDateTime& at);

private:
    const MessageGridModel& model_;
    QString directory_;
    Now now_;
    std::unique_ptr<AsyncFileWriter> writer_;
    int64_t nextRow_ = 0;  // the first row not yet logged, in the model's numbering
    QString problem_;
};

}  // namespace quorlak
