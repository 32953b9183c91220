#pragma once
// The encounter log: a separate window whose text box fills it, showing the
// core's log text. New lines are appended, not the whole text set again.

#include <QWidget>
#include <optional>

#include "panels/panel_models.h"

class QPlainTextEdit;

namespace quorlak {

class LogWindow : public QWidget {
    Q_OBJECT
public:
    explicit LogWindow(const LogModel& model, QWidget* parent = nullptr);
    void sync();
    QPlainTextEdit* textBox() const { return text_; }
    // Closes without telling anyone: the main window is going.
    void closeQuietly();

signals:
    // The player closed the window by its title bar.
    void closedByPlayer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void appendTail(std::string_view tail);
    void placeBesideOwner();

    static constexpr int kGapToOwner = 8;

    const LogModel& model_;
    QPlainTextEdit* text_;
    std::optional<uint64_t> shownRevision_;
    std::optional<uint64_t> shownResets_;
    size_t shownBytes_ = 0;
    std::optional<bool> shownVisible_;
    bool quiet_ = false;
    bool placed_ = false;
};

}  // namespace quorlak
