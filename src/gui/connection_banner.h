#pragma once
// A banner over the game display while there is no live connection: what
// happened, the countdown to the next attempt, and buttons to act on it. The
// buttons take no keyboard focus, so typing still goes to the game's keys.

#include <QFrame>

#include "core/connection_keeper.h"

class QLabel;
class QPushButton;

namespace quorlak {

class ConnectionBanner : public QFrame {
    Q_OBJECT
public:
    explicit ConnectionBanner(QWidget* display);

    // Shows the link's state for this server, or hides the banner while connected.
    void show(const LinkModel& link, int secondsToRetry, const QString& server);
    QLabel* text() const { return text_; }

signals:
    void reconnectClicked();
    void stopClicked();
    void connectToClicked();

private:
    void place();

    QLabel* text_;
    QPushButton* reconnect_;
    QPushButton* stop_;
    QPushButton* connectTo_;
};

}  // namespace quorlak
