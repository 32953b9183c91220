#include "gui/connection_control.h"

#include <QGraphicsOpacityEffect>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <cmath>

#include "gui/connection.h"
#include "gui/connection_banner.h"
#include "gui/display_widget.h"
#include "gui/settings.h"
#include "gui/start_dialog.h"

namespace quorlak {

namespace {

constexpr double kStalePanelOpacity = 0.4;

const char* stateName(LinkModel::State state) {
    switch (state) {
        case LinkModel::State::Connecting: return "connecting";
        case LinkModel::State::Connected: return "connected";
        case LinkModel::State::Waiting: return "waiting";
        case LinkModel::State::NotConnected: return "notconnected";
    }
    return "";
}

}  // namespace

ConnectionControl::ConnectionControl(Deps deps, QObject* parent)
    : QObject(parent), d_(std::move(deps)), keeper_(d_.clock), banner_(new ConnectionBanner(d_.display)) {
    wake_.setSingleShot(true);
    connect(&wake_, &QTimer::timeout, this, &ConnectionControl::poll);
    connect(d_.connection, &Connection::established, this, [this] {
        keeper_.established();
        if (d_.rememberServers) d_.settings.rememberServer(d_.connection->address());
        sync();
    });
    connect(d_.connection, &Connection::failed, this, &ConnectionControl::onFailed);
    connect(banner_, &ConnectionBanner::reconnectClicked, this, &ConnectionControl::reconnect);
    connect(banner_, &ConnectionBanner::connectToClicked, this, &ConnectionControl::connectTo);
    connect(banner_, &ConnectionBanner::stopClicked, this, [this] {
        if (keeper_.link().state == LinkModel::State::Connecting) d_.connection->close();
        keeper_.stop();
        sync();
    });
}

QMenu* ConnectionControl::addMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("Connection"));
    menu->setObjectName(QStringLiteral("connectionMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("connectionMenu"));
    auto add = [&](const QString& caption, const char* name, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("Connect to\u2026"), "mnuConnectTo", &ConnectionControl::connectTo);
    add(QStringLiteral("Reconnect"), "mnuReconnect", &ConnectionControl::reconnect);
    add(QStringLiteral("Disconnect"), "mnuDisconnect", &ConnectionControl::disconnect);
    menu->addSeparator();
    QAction* quit = menu->addAction(QStringLiteral("Quit"));
    quit->setObjectName(QStringLiteral("mnuQuit"));
    connect(quit, &QAction::triggered, d_.window, &QWidget::close);
    return menu;
}

void ConnectionControl::start() { attempt(); }

StartDialog* ConnectionControl::dialog() const { return dialog_; }

void ConnectionControl::attempt() {
    d_.newStream();
    keeper_.connectNow();
    d_.connection->open();
    sync();
}

void ConnectionControl::reconnect() {
    confirmLeaving(QStringLiteral("Leave the game on %1 and connect again?").arg(d_.connection->address().display()),
                   [this] { attempt(); });
}

void ConnectionControl::disconnect() {
    confirmLeaving(QStringLiteral("Leave the game on %1?").arg(d_.connection->address().display()), [this] {
        d_.connection->close();
        keeper_.disconnectedByPlayer();
        sync();
    });
}

void ConnectionControl::connectTo() {
    askForServer(d_.connection->isConnected()
                     ? QStringLiteral("Connecting leaves the game on %1.").arg(d_.connection->address().display())
                     : QString());
}

void ConnectionControl::switchTo(const ServerAddress& address) {
    d_.connection->close();
    d_.connection->setAddress(address);
    keeper_.newServer();
    attempt();
}

void ConnectionControl::onFailed(const QString& reason) {
    keeper_.failed(reason.toStdString());
    sync();
    const LinkModel& link = keeper_.link();
    // A first attempt that fails may be a typing slip: ask again, with the reason.
    if (link.state == LinkModel::State::NotConnected && !link.reachedOnce && !link.byPlayer)
        askForServer(QStringLiteral("Could not connect to %1: %2.").arg(d_.connection->address().display(), reason));
}

void ConnectionControl::askForServer(const QString& note) {
    if (!dialog_) {
        dialog_ = new StartDialog(d_.settings.recentServers(), d_.window);
        dialog_->setAttribute(Qt::WA_DeleteOnClose);
        dialog_->setWindowModality(Qt::WindowModal);
        connect(dialog_, &QDialog::finished, this, &ConnectionControl::changed);
        connect(dialog_, &StartDialog::connectRequested, this,
                [this](const ServerAddress& address) { switchTo(address); });
    }
    dialog_->setAddress(d_.connection->address());
    dialog_->setNote(note);
    dialog_->open();
    dialog_->raise();
    emit changed();
}

void ConnectionControl::confirmLeaving(const QString& question, std::function<void()> then) {
    if (!d_.connection->isConnected()) {
        then();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Duvur Quorlak"), question,
                                QMessageBox::Yes | QMessageBox::No, d_.window);
    box->setObjectName(QStringLiteral("confirmLeaving"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [then = std::move(then)](int answer) {
        if (answer == QMessageBox::Yes) then();
    });
    box->open();
}

void ConnectionControl::poll() {
    switch (keeper_.poll()) {
        case ConnectionKeeper::Action::Connect:
            d_.newStream();
            d_.connection->open();
            break;
        case ConnectionKeeper::Action::GiveUp:
            d_.connection->giveUp();
            if (keeper_.link().state == LinkModel::State::NotConnected)
                askForServer(QStringLiteral("No answer from %1.").arg(d_.connection->address().display()));
            break;
        case ConnectionKeeper::Action::None: break;
    }
    sync();
}

void ConnectionControl::sync() {
    const LinkModel& link = keeper_.link();
    banner_->show(link, keeper_.secondsToRetry(), d_.connection->address().display());
    d_.display->setDimmed(link.stale());
    for (QWidget* panel : d_.panels) {
        if (link.stale() == (panel->graphicsEffect() != nullptr)) continue;
        if (link.stale()) {
            auto* effect = new QGraphicsOpacityEffect(panel);
            effect->setOpacity(kStalePanelOpacity);
            panel->setGraphicsEffect(effect);
        } else {
            panel->setGraphicsEffect(nullptr);
        }
    }
    if (const auto wake = keeper_.nextWake()) {
        const double delay = std::ceil(*wake - d_.clock.nowMs());
        wake_.start(static_cast<int>(std::clamp(delay, 0.0, ConnectionKeeper::kLongestWaitMs)));
    } else {
        wake_.stop();
    }
    emit changed();
}

std::string ConnectionControl::json() const {
    const LinkModel& link = keeper_.link();
    const QJsonObject object{
        {QStringLiteral("state"), QLatin1String(stateName(link.state))},
        {QStringLiteral("retries"), link.retries},
        {QStringLiteral("retryin"), keeper_.secondsToRetry()},
        {QStringLiteral("reason"), QString::fromStdString(link.reason)},
        {QStringLiteral("stale"), link.stale()},
        {QStringLiteral("dialog"), dialog_ && dialog_->isVisible()},
        {QStringLiteral("server"), d_.connection->address().display()},
    };
    return "\"link\":" + QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace quorlak
