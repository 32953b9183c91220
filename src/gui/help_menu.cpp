#include "gui/help_menu.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "canvas/data_files.h"

namespace quorlak {

HelpMenu::HelpMenu(QMenuBar* bar, QWidget* window) : QObject(window), window_(window) {
    QMenu* menu = bar->addMenu(QStringLiteral("Help"));
    menu->setObjectName(QStringLiteral("helpMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("helpMenu"));
    QAction* keys = menu->addAction(QStringLiteral("Keys"));
    keys->setObjectName(QStringLiteral("mnuKeys"));
    connect(keys, &QAction::triggered, this, &HelpMenu::showKeys);
    QAction* about = menu->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &HelpMenu::showAbout);
}

QString HelpMenu::keysText() {
    return QStringLiteral(
        "<p>Every key goes to the game as it is typed, whatever your keyboard layout: the game gets the key "
        "a US keyboard types the character with. A character no US key types (such as \u00e4 or \u00e9) "
        "cannot be sent; the status bar says so.</p>"
        "<p>Some keys do more in this client:</p><table cellspacing=4>"
        "<tr><td><b>`</b> or <b>~</b></td><td>also presses F in every Quorlak window on this desktop</td></tr>"
        "<tr><td><b>:</b></td><td>also presses O in every Quorlak window on this desktop</td></tr>"
        "<tr><td><b>Ctrl+I</b></td><td>first asks the game for your whole pack (all six pages) for the "
        "item list</td></tr>"
        "<tr><td><b>Ctrl+V</b></td><td>also types the clipboard's text</td></tr>"
        "<tr><td>double-click</td><td>on the game display freezes it: what arrives is dropped until the "
        "next double-click</td></tr></table>"
        "<p><b>Textbox</b> (upper case while on): a question from the game opens an edit box. You edit "
        "there; Enter sends the text, Esc, Page Up and Page Down go to the game, Up and Down move the box, "
        "and picking a row of the item list answers with its number.</p>"
        "<p><b>DELAY</b> (upper case while on): the game's pauses are kept, so fights play at their pace. "
        "Off, they are skipped.</p>"
        "<p>The number in the menu bar is your experience; during a fight, what you gained in it.</p>");
}

QString HelpMenu::aboutText() {
    return QStringLiteral(
               "<p><b>Duvur Quorlak</b> %1</p><p>The client of the Quorlak dungeon game, built with Qt %2.</p>"
               "<p>The terminal font KELVOASCII is a subset of GNU Unifont, distributed under the GNU GPL "
               "version 2 or later with the GNU Font Embedding Exception (details below).</p>")
        .arg(QStringLiteral(QUORLAK_VERSION), QLatin1String(qVersion()));
}

QMessageBox* HelpMenu::shown(QPointer<QMessageBox>& box, const char* name, const QString& text) {
    if (!box) {
        box = new QMessageBox(QMessageBox::Information, QStringLiteral("Duvur Quorlak"), text, QMessageBox::Close,
                              window_);
        box->setObjectName(QLatin1String(name));
        box->setTextFormat(Qt::RichText);
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
    }
    box->show();
    box->raise();
    return box;
}

void HelpMenu::showKeys() { shown(keys_, "keysHelp", keysText()); }

void HelpMenu::showAbout() {
    QMessageBox* box = shown(about_, "aboutBox", aboutText());
    QFile licence(findDataFile(QStringLiteral("KELVOASCII-LICENSE.txt")));
    if (box->detailedText().isEmpty() && licence.open(QIODevice::ReadOnly))
        box->setDetailedText(QString::fromUtf8(licence.readAll()));
}

}  // namespace quorlak
