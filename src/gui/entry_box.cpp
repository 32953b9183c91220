#include "gui/entry_box.h"

#include <QFontInfo>

#include "base/cp1252.h"

namespace quorlak {

EntryBox::EntryBox(const TextBoxModel& model, QWidget* parent) : QLineEdit(parent), model_(model) {
    setObjectName(QStringLiteral("txtbox"));
    setVisible(false);
    fontPixelsAtOne_ = QFontInfo(font()).pixelSize();
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { emit playerEdited(qstringToCp1252(text)); });
}

void EntryBox::setScale(const DisplayScale& scale) {
    scale_ = scale;
    QFont f = font();
    f.setPixelSize(scale.fontPixels(fontPixelsAtOne_));
    setFont(f);
    shownRevision_.reset();
}

void EntryBox::sync() {
    if (shownRevision_ == model_.revision) return;
    shownRevision_ = model_.revision;
    const QRect rect = scale_.toLogical(model_.geometry);
    if (geometry() != rect) setGeometry(rect);
    const int limit = model_.maxlength > 0 ? model_.maxlength : 32767;
    if (maxLength() != limit) setMaxLength(limit);
    // Only a text the core set replaces the box's: typing it has not taken
    // yet (during a pause) stays.
    if (shownText_ != model_.text) {
        shownText_ = model_.text;
        const QString text = cp1252ToQString(model_.text);
        if (this->text() != text) setText(text);
    }
    if (isVisibleTo(parentWidget()) != model_.visible) setVisible(model_.visible);
    // The box asks for the keys at every new input field, also when a click on
    // a panel has handed them to the focus sink since the last one.
    if (model_.focused && model_.visible && !hasFocus()) setFocus(Qt::OtherFocusReason);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusChanged(true);
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusChanged(false);
}

}  // namespace quorlak
