#include "gui/connection_banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlak {

namespace {

constexpr int kWidth = 440;
constexpr int kTop = 8;

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

ConnectionBanner::ConnectionBanner(QWidget* display)
    : QFrame(display),
      text_(new QLabel(this)),
      reconnect_(button(QStringLiteral("Reconnect now"), "bannerReconnect", this)),
      stop_(button(QStringLiteral("Stop trying"), "bannerStop", this)),
      connectTo_(button(QStringLiteral("Connect to\u2026"), "bannerConnectTo", this)) {
    setObjectName(QStringLiteral("connectionBanner"));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setStyleSheet(
        QStringLiteral("#connectionBanner { background: #402000; border: 2px solid #ff8000; }"
                       "#connectionBanner QLabel { color: #ffd080; font-weight: bold; }"));
    text_->setObjectName(QStringLiteral("bannerText"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {reconnect_, stop_, connectTo_}) buttons->addWidget(b);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(text_);
    column->addLayout(buttons);
    connect(reconnect_, &QPushButton::clicked, this, &ConnectionBanner::reconnectClicked);
    connect(stop_, &QPushButton::clicked, this, &ConnectionBanner::stopClicked);
    connect(connectTo_, &QPushButton::clicked, this, &ConnectionBanner::connectToClicked);
    hide();
}

void ConnectionBanner::show(const LinkModel& link, int secondsToRetry, const QString& server) {
    using State = LinkModel::State;
    if (link.state == State::Connected) {
        hide();
        return;
    }
    const QString why =
        link.reason.empty() ? QString() : QStringLiteral(" (%1)").arg(QString::fromStdString(link.reason));
    QString text;
    switch (link.state) {
        case State::Connecting:
            text = link.reachedOnce ? QStringLiteral("Connection to %1 lost.\nReconnecting, attempt %2\u2026")
                                          .arg(server)
                                          .arg(link.retries)
                                    : QStringLiteral("Connecting to %1\u2026").arg(server);
            break;
        case State::Waiting:
            text = link.retries == 0 ? QStringLiteral("Connection to %1 lost%2.\nReconnecting in %3 s.")
                                           .arg(server, why)
                                           .arg(secondsToRetry)
                                     : QStringLiteral("Connection to %1 lost.\nAttempt %2 failed%3; next in %4 s.")
                                           .arg(server)
                                           .arg(link.retries)
                                           .arg(why)
                                           .arg(secondsToRetry);
            break;
        default:
            if (link.byPlayer) text = QStringLiteral("Disconnected from %1.").arg(server);
            else if (!link.reachedOnce && !link.reason.empty())
                text = QStringLiteral("Could not connect to %1%2.").arg(server, why);
            else text = QStringLiteral("Not connected to %1.").arg(server);
            break;
    }
    text_->setText(text +
                   (link.stale() ? QStringLiteral("\nThe game shown is not live; keys are not sent.") : QString()));
    reconnect_->setText(link.state == State::Waiting ? QStringLiteral("Reconnect now") : QStringLiteral("Reconnect"));
    reconnect_->setVisible(link.state != State::Connecting);
    stop_->setVisible(link.state == State::Waiting || link.state == State::Connecting);
    connectTo_->setVisible(link.state == State::NotConnected);
    place();
    QFrame::show();
    raise();
}

void ConnectionBanner::place() {
    const int width = std::min(kWidth, parentWidget()->width());
    const int height = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
    resize(width, std::max(height, sizeHint().height()));
    move((std::min(parentWidget()->width(), 512) - width) / 2, kTop);
}

}  // namespace quorlak
