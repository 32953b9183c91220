#pragma once
// The dialog that asks for the server: its address and port, or one of the
// servers used before, then "Connect" or "Cancel". It opens at the start, comes
// back with the reason when connecting fails, and opens from the Connection
// menu at any time.

#include <QDialog>

#include "wire/server_address.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorlak {

class StartDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kDefaultHost = "localhost";
    static constexpr uint16_t kDefaultPort = 1212;

    // `recentServers`: "HOST:PORT" each, newest first; the newest fills the fields.
    explicit StartDialog(const QStringList& recentServers = {}, QWidget* parent = nullptr);

    // Fills the fields with this server.
    void setAddress(const ServerAddress& address);
    // A line under the fields: why the last attempt failed, or what connecting will do.
    void setNote(const QString& note);

    QPushButton* connectButton() const { return connectButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QLineEdit* hostEdit() const { return hostEdit_; }
    QLineEdit* portEdit() const { return portEdit_; }
    QComboBox* recentList() const { return recentList_; }
    QLabel* noteLabel() const { return noteLabel_; }

signals:
    // "Connect" with a usable port; the dialog closes right after.
    void connectRequested(const quorlak::ServerAddress& address);

private:
    void onConnect();

    QPushButton* connectButton_;
    QPushButton* cancelButton_;
    QLineEdit* hostEdit_;
    QLabel* hostLabel_;
    QLabel* portLabel_;
    QLineEdit* portEdit_;
    QComboBox* recentList_;
    QLabel* noteLabel_;
};

}  // namespace quorlak
