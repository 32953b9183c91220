#pragma once
// The first window: the server's address and port, then "Connect".

#include <QDialog>

#include "session/server_address.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorlak {

class StartDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kDefaultHost = "localhost";

    explicit StartDialog(QWidget* parent = nullptr);

    QPushButton* connectButton() const { return cmdClient_; }
    QLineEdit* hostEdit() const { return txtIPAddress_; }
    QLineEdit* portEdit() const { return txtPort_; }

signals:
    // "Connect" with a usable port; the dialog closes right after.
    void connectRequested(const quorlak::ServerAddress& address);

private:
    void onConnect();

    QPushButton* cmdClient_;
    QLineEdit* txtIPAddress_;
    QLabel* label1_;
    QLabel* label2_;
    QLineEdit* txtPort_;
};

}  // namespace quorlak
