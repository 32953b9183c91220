#pragma once
// A session being recorded into a file: the recorder listens to the core and
// writes the script through a writer thread, so a long session neither grows
// memory nor holds the window up.

#include <QString>
#include <memory>

namespace quorlak {

class AsyncFileWriter;
class ClientCore;
class Clock;
class CoreHost;
class SessionRecorder;

class RecordingFile {
public:
    // Starts recording what `core` gets from now on, its times counted from
    // `originMs` on `clock`. See problem() for whether it started.
    RecordingFile(const QString& path, ClientCore& core, const Clock& clock, const CoreHost& host, double originMs);
    // Stops listening and writes out what waits.
    ~RecordingFile();
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;

    const QString& path() const { return path_; }
    // Why the recording does not go on, for the player; empty while it does.
    QString problem() const;
    // Waits until everything recorded so far is in the file.
    void drain();

private:
    QString path_;
    ClientCore& core_;
    std::unique_ptr<AsyncFileWriter> writer_;
    std::unique_ptr<SessionRecorder> recorder_;
};

}  // namespace quorlak
