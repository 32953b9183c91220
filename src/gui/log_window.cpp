#include "gui/log_window.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>
#include <cmath>

#include "base/cp1252.h"
#include "canvas/data_files.h"

namespace quorlak {

namespace {

// The log's lines end in CR LF; the text box wants bare line feeds.
QString displayText(std::string_view bytes) {
    QString text = cp1252ToQString(bytes);
    text.remove(QLatin1Char('\r'));
    return text;
}

}  // namespace

LogWindow::LogWindow(const LogModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), text_(new QPlainTextEdit(this)), bar_(new QMenuBar(this)) {
    setObjectName(QStringLiteral("logWindow"));
    setWindowTitle(QStringLiteral("encounter log"));
    // Opening the log must not take the keys away from the game.
    setAttribute(Qt::WA_ShowWithoutActivating);
    text_->setObjectName(QStringLiteral("logText"));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // No access keys: the keys belong to the game.
    QMenu* menu = bar_->addMenu(QStringLiteral("Log"));
    QAction* save = menu->addAction(QStringLiteral("Save as\u2026"));
    save->setObjectName(QStringLiteral("saveLog"));
    connect(save, &QAction::triggered, this, &LogWindow::saveAs);
    layout->setMenuBar(bar_);
    layout->addWidget(text_);
    barFontPixels_ = QFontInfo(bar_->font()).pixelSize();
    resize(304, 201);
    setScale(DisplayScale());
}

void LogWindow::setScale(const DisplayScale& scale) {
    QFont font = loadTerminalFont();
    font.setPixelSize(scale.fontPixels(kFontPixels));
    font.setStyleHint(QFont::TypeWriter);
    text_->setFont(font);
    QFont barFont = bar_->font();
    barFont.setPixelSize(scale.fontPixels(barFontPixels_));
    bar_->setFont(barFont);
    for (QMenu* menu : bar_->findChildren<QMenu*>()) menu->setFont(barFont);
    // The window keeps its size in game units, as the main window's client area does.
    const double grow = scale.factor() / scale_.factor();
    scale_ = scale;
    if (grow != 1)
        resize(static_cast<int>(std::lround(width() * grow)), static_cast<int>(std::lround(height() * grow)));
}

bool LogWindow::saveTo(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(displayText(model_.text).toUtf8());
        if (file.commit()) return true;
    }
    if (error) *error = file.errorString();
    return false;
}

void LogWindow::saveAs() {
    const QString name =
        QDateTime::currentDateTime().toString(QStringLiteral("'encounter-log-'yyyy-MM-dd-HHmmss'.txt'"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the encounter log"),
                                                      QDir(QDir::homePath()).filePath(name),
                                                      QStringLiteral("Text files (*.txt);;All files (*)"));
    QString error;
    if (!path.isEmpty() && !saveTo(path, &error))
        QMessageBox::warning(this, QStringLiteral("Save the encounter log"),
                             QStringLiteral("Cannot save %1: %2").arg(path, error));
}

void LogWindow::appendTail(std::string_view tail) {
    QScrollBar* bar = text_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(displayText(tail));
    if (atEnd) bar->setValue(bar->maximum());
}

void LogWindow::sync() {
    if (shownRevision_ == model_.revision) return;
    shownRevision_ = model_.revision;
    if (shownResets_ != model_.resets || model_.text.size() < shownBytes_) {
        shownResets_ = model_.resets;
        text_->setPlainText(displayText(model_.text));
    } else if (model_.text.size() > shownBytes_) {
        appendTail(std::string_view(model_.text).substr(shownBytes_));
    }
    shownBytes_ = model_.text.size();
    if (shownVisible_ != model_.visible) {
        shownVisible_ = model_.visible;
        if (model_.visible) {
            if (!placed_) placeBesideOwner();
            show();
            raise();
            // Filled while hidden: open at the newest lines, so that new ones keep being followed.
            text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
        } else {
            quiet_ = true;
            hide();
            quiet_ = false;
        }
    }
}

void LogWindow::placeBesideOwner() {
    placed_ = true;
    const QWidget* owner = parentWidget();
    if (!owner || !owner->screen()) return;
    // Right of the game, where it hides none of it; where it does not fit, the desktop decides.
    const QRect wanted(owner->frameGeometry().topRight() + QPoint(kGapToOwner, 0), frameGeometry().size());
    if (owner->screen()->availableGeometry().contains(wanted)) move(wanted.topLeft());
}

void LogWindow::closeQuietly() {
    quiet_ = true;
    close();
}

void LogWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!quiet_) emit closedByPlayer();
}

}  // namespace quorlak
