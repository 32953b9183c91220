#include "gui/start_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quorlak {

StartDialog::StartDialog(const QStringList& recentServers, QWidget* parent)
    : QDialog(parent),
      connectButton_(new QPushButton(QStringLiteral("Connect"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)),
      hostEdit_(new QLineEdit(QString::fromLatin1(kDefaultHost), this)),
      hostLabel_(new QLabel(QStringLiteral("Server address"), this)),
      portLabel_(new QLabel(QStringLiteral("Port"), this)),
      portEdit_(new QLineEdit(QString::number(kDefaultPort), this)),
      recentList_(new QComboBox(this)),
      noteLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("startDialog"));
    setWindowTitle(QStringLiteral("Quorlak client"));
    setFixedSize(260, 164);

    connectButton_->setObjectName(QStringLiteral("cmdClient"));
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    hostEdit_->setObjectName(QStringLiteral("txtIPAddress"));
    hostLabel_->setObjectName(QStringLiteral("Label1"));
    portLabel_->setObjectName(QStringLiteral("Label2"));
    portEdit_->setObjectName(QStringLiteral("txtPort"));
    recentList_->setObjectName(QStringLiteral("recentServers"));
    noteLabel_->setObjectName(QStringLiteral("connectNote"));

    hostLabel_->setGeometry(16, 8, 105, 17);
    portLabel_->setGeometry(184, 8, 49, 17);
    hostEdit_->setGeometry(8, 24, 169, 25);
    portEdit_->setGeometry(184, 24, 68, 25);
    recentList_->setGeometry(8, 56, 244, 25);
    noteLabel_->setGeometry(8, 86, 244, 36);
    cancelButton_->setGeometry(88, 126, 80, 30);
    connectButton_->setGeometry(172, 126, 80, 30);
    noteLabel_->setWordWrap(true);
    noteLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    recentList_->setPlaceholderText(recentServers.isEmpty() ? QStringLiteral("No servers used yet")
                                                            : QStringLiteral("Servers used before"));
    recentList_->addItems(recentServers);
    recentList_->setCurrentIndex(-1);
    recentList_->setEnabled(!recentServers.isEmpty());
    if (!recentServers.isEmpty()) {
        if (const auto last = parseServerAddress(recentServers.first())) setAddress(*last);
    }
    connect(recentList_, &QComboBox::activated, this, [this](int index) {
        if (const auto chosen = parseServerAddress(recentList_->itemText(index))) setAddress(*chosen);
    });

    // Tab order: the button, the address, the port, the list of servers.
    setTabOrder(connectButton_, hostEdit_);
    setTabOrder(hostEdit_, portEdit_);
    setTabOrder(portEdit_, recentList_);
    setTabOrder(recentList_, cancelButton_);
    connectButton_->setDefault(true);
    connectButton_->setFocus();

    connect(connectButton_, &QPushButton::clicked, this, &StartDialog::onConnect);
    connect(cancelButton_, &QPushButton::clicked, this, &StartDialog::reject);
}

void StartDialog::setAddress(const ServerAddress& address) {
    hostEdit_->setText(address.host);
    portEdit_->setText(QString::number(address.port));
}

void StartDialog::setNote(const QString& note) { noteLabel_->setText(note); }

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
