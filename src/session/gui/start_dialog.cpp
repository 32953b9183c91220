#include "session/gui/start_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quorlak {

StartDialog::StartDialog(QWidget* parent)
    : QDialog(parent),
      cmdClient_(new QPushButton(QStringLiteral("Connect"), this)),
      txtIPAddress_(new QLineEdit(QString::fromLatin1(kDefaultHost), this)),
      label1_(new QLabel(QStringLiteral("Server address"), this)),
      label2_(new QLabel(QStringLiteral("Port"), this)),
      txtPort_(new QLineEdit(QStringLiteral("1212"), this)) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Quorlak client"));
    setFixedSize(211, 100);

    cmdClient_->setObjectName(QStringLiteral("cmdClient"));
    txtIPAddress_->setObjectName(QStringLiteral("txtIPAddress"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label2_->setObjectName(QStringLiteral("Label2"));
    txtPort_->setObjectName(QStringLiteral("txtPort"));

    cmdClient_->setGeometry(64, 56, 97, 33);
    txtIPAddress_->setGeometry(8, 24, 121, 25);
    label1_->setGeometry(16, 8, 105, 17);
    label2_->setGeometry(136, 8, 49, 17);
    txtPort_->setGeometry(136, 24, 65, 25);

    // Tab order as designed: the button first, then the two boxes (labels take no focus).
    setTabOrder(cmdClient_, txtIPAddress_);
    setTabOrder(txtIPAddress_, txtPort_);
    cmdClient_->setDefault(true);
    cmdClient_->setFocus();

    connect(cmdClient_, &QPushButton::clicked, this, &StartDialog::onConnect);
}

void StartDialog::onConnect() {
    QString error;
    const auto port = parsePort(txtPort_->text(), &error);
    if (!port) {
        // Not modal to the program: the dialog stays open and usable afterwards.
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), error, QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("portRefused"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QMessageBox::finished, this, [this] {
            txtPort_->setFocus();
            txtPort_->selectAll();
        });
        box->open();
        return;
    }
    emit connectRequested(ServerAddress{txtIPAddress_->text(), *port});
    accept();
}

}  // namespace quorlak
