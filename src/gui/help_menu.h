#pragma once
// The Help menu: the keys that act in the client itself and what the two
// mode menus do, and the program's version with the terminal font's licence.
// No access keys: every key is the game's.

#include <QObject>
#include <QPointer>

class QMenuBar;
class QMessageBox;

namespace quorlak {

class HelpMenu : public QObject {
    Q_OBJECT
public:
    HelpMenu(QMenuBar* bar, QWidget* window);

    static QString keysText();
    static QString aboutText();

    void showKeys();
    void showAbout();

private:
    QMessageBox* shown(QPointer<QMessageBox>& box, const char* name, const QString& text);

    QWidget* window_;
    QPointer<QMessageBox> keys_;
    QPointer<QMessageBox> about_;
};

}  // namespace quorlak
