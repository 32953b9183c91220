#pragma once
// The text entry box that the arrow marker places beside an input prompt.
// The player edits it locally; Enter sends its text (the core decides).

#include <QLineEdit>
#include <optional>

#include "gui/display_scale.h"
#include "input/text_entry.h"

namespace quorlak {

class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(const TextBoxModel& model, QWidget* parent = nullptr);
    void sync();
    // Shows the box at `scale` from the next sync on.
    void setScale(const DisplayScale& scale);

signals:
    // The player's typing left this text (Windows-1252) in the box.
    void playerEdited(const std::string& text);
    // The box gained or lost the keyboard (a click on a panel takes it away).
    void focusChanged(bool focused);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const TextBoxModel& model_;
    std::optional<uint64_t> shownRevision_;
    std::optional<std::string> shownText_;
    DisplayScale scale_;
    int fontPixelsAtOne_ = 0;
};

}  // namespace quorlak
