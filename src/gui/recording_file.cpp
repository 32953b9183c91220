#include "gui/recording_file.h"

#include "core/client_core.h"
#include "gui/async_file_writer.h"
#include "replay/session_recorder.h"

namespace quorlak {

RecordingFile::RecordingFile(const QString& path, ClientCore& core, const Clock& clock, const CoreHost& host,
                             double originMs)
    : path_(path), core_(core), writer_(std::make_unique<AsyncFileWriter>(path, AsyncFileWriter::Mode::Replace)) {
    if (!writer_->error().isEmpty()) return;
    recorder_ = std::make_unique<SessionRecorder>(
        *writer_, core, clock, [&host] { return host.clipboardText(); }, originMs);
    core_.setObserver(recorder_.get());
}

RecordingFile::~RecordingFile() {
    if (recorder_) {
        core_.setObserver(nullptr);
        recorder_->finish();
    }
}

QString RecordingFile::problem() const {
    if (!writer_->error().isEmpty()) return QStringLiteral("Recording stopped: %1.").arg(writer_->error());
    if (recorder_ && !recorder_->recording() && core_.observer() == recorder_.get())
        return QStringLiteral("Recording stopped: %1.").arg(QString::fromStdString(recorder_->stopReason()));
    return {};
}

void RecordingFile::drain() {
    if (recorder_) recorder_->flush();
    writer_->drain();
}

}  // namespace quorlak
