#include "gui/state_file.h"

#include <QSaveFile>
#include <algorithm>

#include "core/client_core.h"
#include "replay/state_json.h"

namespace quorlak {

StateFile::StateFile(QString path, const ClientCore& core, const Clock& clock, QObject* parent)
    : QObject(parent), path_(std::move(path)), core_(core), clock_(clock) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { writeNow(); });
}

void StateFile::noteWrite(std::string_view bytes) {
    // Dropping a quarter at a time keeps the cost per write constant.
    if (writes_.size() >= kMaxWritesKept) writes_.erase(writes_.begin(), writes_.begin() + kMaxWritesKept / 4);
    writes_.emplace_back(bytes);
}

void StateFile::changed() {
    if (timer_.isActive()) return;
    const qint64 since = sinceWrite_.isValid() ? sinceWrite_.elapsed() : kMinIntervalMs;
    timer_.start(static_cast<int>(std::clamp<qint64>(kMinIntervalMs - since, 0, kMinIntervalMs)));
}

std::string StateFile::json() const {
    std::string out = stateJson(core_, writes_, itemMenus_, clock_.nowMs());
    const std::string extra = extras_ ? extras_() : std::string();
    const size_t close = out.rfind('}');
    if (!extra.empty() && close != std::string::npos) out.insert(close, "," + extra);
    return out;
}

bool StateFile::writeNow() {
    timer_.stop();
    sinceWrite_.start();
    const std::string text = json();
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

}  // namespace quorlak
