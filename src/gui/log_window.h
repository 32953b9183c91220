#pragma once
// The encounter log: a separate window whose text box fills it, showing the
// core's log text in the game's fixed-pitch font, so its columns line up.
// New lines are appended, not the whole text set again. Log -> Save as...
// writes the text to a plain text file.

#include <QWidget>
#include <optional>

#include "gui/display_scale.h"
#include "panels/panel_models.h"

class QMenuBar;
class QPlainTextEdit;

namespace quorlak {

class LogWindow : public QWidget {
    Q_OBJECT
public:
    explicit LogWindow(const LogModel& model, QWidget* parent = nullptr);
    void sync();
    QPlainTextEdit* textBox() const { return text_; }
    // The font, the menu and the window grow with the game's zoom.
    void setScale(const DisplayScale& scale);
    // Writes the log as plain UTF-8 text with one line feed a line; false
    // (and `error` says why) when the file cannot be written.
    bool saveTo(const QString& path, QString* error = nullptr) const;
    // Closes without telling anyone: the main window is going.
    void closeQuietly();

signals:
    // The player closed the window by its title bar.
    void closedByPlayer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void appendTail(std::string_view tail);
    void saveAs();
    void placeBesideOwner();

    static constexpr int kGapToOwner = 8;
    static constexpr int kFontPixels = 16;

    const LogModel& model_;
    QPlainTextEdit* text_;
    QMenuBar* bar_;
    int barFontPixels_ = 0;  // at 1x
    DisplayScale scale_;
    std::optional<uint64_t> shownRevision_;
    std::optional<uint64_t> shownResets_;
    size_t shownBytes_ = 0;
    std::optional<bool> shownVisible_;
    bool quiet_ = false;
    bool placed_ = false;
};

}  // namespace quorlak
