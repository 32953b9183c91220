#pragma once
// A testing aid: the window keeps a file current with its state, in the JSON
// the replay driver writes, so a test outside the process can see what the
// window shows and holds. Written at most every kMinIntervalMs while things
// change, and once more when asked at exit; each write replaces the file
// whole, so a reader never sees half of one.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlak {

class ClientCore;
class Clock;  // base/clock.h

class StateFile : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinIntervalMs = 200;
    // The writes to the server kept for the file: the newest ones.
    static constexpr size_t kMaxWritesKept = 4096;

    // More members for the state object, as JSON text without the braces: `"name":value,...`.
    using Extras = std::function<std::string()>;

    StateFile(QString path, const ClientCore& core, const Clock& clock, QObject* parent = nullptr);

    void setExtras(Extras extras) { extras_ = std::move(extras); }
    void noteWrite(std::string_view bytes);
    void noteItemMenu() { ++itemMenus_; }

    // Something shown may have changed: write soon, but not sooner than the interval allows.
    void changed();
    // Writes at once; false when the file cannot be written.
    bool writeNow();

    const QString& path() const { return path_; }
    const std::vector<std::string>& writes() const { return writes_; }
    std::string json() const;

private:
    QString path_;
    const ClientCore& core_;
    const Clock& clock_;
    Extras extras_;
    std::vector<std::string> writes_;
    int itemMenus_ = 0;
    QTimer timer_;
    QElapsedTimer sinceWrite_;
};

}  // namespace quorlak
