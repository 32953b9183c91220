#pragma once
// The first window: the server's address and port, then "Connect".

#include <QDialog>

#include "wire/server_address.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorlak {

class StartDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kDefaultHost = "localhost";

    explicit StartDialog(QWidget* parent = nullptr);

    QPushButton* connectButton() const { return connectButton_; }
    QLineEdit* hostEdit() const { return hostEdit_; }
    QLineEdit* portEdit() const { return portEdit_; }

signals:
    // "Connect" with a usable port; the dialog closes right after.
    void connectRequested(const quorlak::ServerAddress& address);

private:
    void onConnect();

    QPushButton* connectButton_;
    QLineEdit* hostEdit_;
    QLabel* hostLabel_;
    QLabel* portLabel_;
    QLineEdit* portEdit_;
};

}  // namespace quorlak
