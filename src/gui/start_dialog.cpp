#include "gui/start_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quorlak {

StartDialog::StartDialog(QWidget* parent)
    : QDialog(parent),
      connectButton_(new QPushButton(QStringLiteral("Connect"), this)),
      hostEdit_(new QLineEdit(QString::fromLatin1(kDefaultHost), this)),
      hostLabel_(new QLabel(QStringLiteral("Server address"), this)),
      portLabel_(new QLabel(QStringLiteral("Port"), this)),
      portEdit_(new QLineEdit(QStringLiteral("1212"), this)) {
    setObjectName(QStringLiteral("startDialog"));
    setWindowTitle(QStringLiteral("Quorlak client"));
    setFixedSize(211, 100);

    connectButton_->setObjectName(QStringLiteral("cmdClient"));
    hostEdit_->setObjectName(QStringLiteral("txtIPAddress"));
    hostLabel_->setObjectName(QStringLiteral("Label1"));
    portLabel_->setObjectName(QStringLiteral("Label2"));
    portEdit_->setObjectName(QStringLiteral("txtPort"));

    connectButton_->setGeometry(64, 56, 97, 33);
    hostEdit_->setGeometry(8, 24, 121, 25);
    hostLabel_->setGeometry(16, 8, 105, 17);
    portLabel_->setGeometry(136, 8, 49, 17);
    portEdit_->setGeometry(136, 24, 65, 25);

    // Tab order as designed: the button first, then the two boxes (labels take no focus).
    setTabOrder(connectButton_, hostEdit_);
    setTabOrder(hostEdit_, portEdit_);
    connectButton_->setDefault(true);
    connectButton_->setFocus();

    connect(connectButton_, &QPushButton::clicked, this, &StartDialog::onConnect);
}

void StartDialog::onConnect() {
    QString error;
    const auto port = parsePort(portEdit_->text(), &error);
    if (!port) {
        // Not modal to the program: the dialog stays open and usable afterwards.
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), error, QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("portRefused"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QMessageBox::finished, this, [this] {
            portEdit_->setFocus();
            portEdit_->selectAll();
        });
        box->open();
        return;
    }
    emit connectRequested(ServerAddress{hostEdit_->text(), *port});
    accept();
}

}  // namespace quorlak
