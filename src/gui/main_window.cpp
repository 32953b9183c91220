#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolTip>
#include <cmath>

#include "base/cp1252.h"
#include "canvas/data_files.h"
#include "gui/connection.h"
#include "gui/connection_control.h"
#include "gui/display_widget.h"
#include "gui/entry_box.h"
#include "gui/help_menu.h"
#include "gui/item_grid_view.h"
#include "gui/key_broadcast.h"
#include "gui/log_window.h"
#include "gui/message_grid_view.h"
#include "gui/state_file.h"
#include "gui/stream_pump.h"
#include "gui/tab_strip.h"
#include "input/keymap.h"

namespace quorlak {

namespace {

// Tests that drive the window from outside find the menu items by these names.
QString objectNameOf(MenuItem item) {
    const std::string_view name = menuItemName(item);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A caption as the menu bar shows it: without access keys, which would take
// keys from the game ("&&" stays a literal ampersand).
QString shownCaption(const std::string& caption) {
    QString shown = cp1252ToQString(caption);
    shown.replace(QLatin1String("&&"), QChar(0x1));
    shown.remove(QLatin1Char('&'));
    shown.replace(QChar(0x1), QLatin1String("&&"));
    return shown;
}

}  // namespace

MainWindow::MainWindow(ServerAddress address, Options options, QWidget* parent)
    : QMainWindow(parent), address_(std::move(address)) {
    setObjectName(QStringLiteral("mainWindow"));
    setContextMenuPolicy(Qt::NoContextMenu);
    core_ = std::make_unique<ClientCore>(host_, clock_);

    connection_ = new Connection(address_, this);
    broadcast_ = new KeyBroadcast(
        options.broadcastDirectory.isEmpty() ? KeyBroadcast::defaultDirectory() : options.broadcastDirectory, this);
    broadcast_->start();

    display_ = new DisplayWidget(core_->canvas(), this);
    display_->setObjectName(QStringLiteral("display"));
    setCentralWidget(display_);
    buildPanels();
    buildMenus();
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("connectionStatus"));
    statusBar()->addWidget(statusLabel_, 1);
    // A double-click freezes the display; without a word the game would just seem stuck.
    frozenLabel_ = new QLabel(QStringLiteral("Frozen: double-click the display to go on"), this);
    frozenLabel_->setObjectName(QStringLiteral("frozenNote"));
    frozenLabel_->hide();
    statusBar()->addPermanentWidget(frozenLabel_);
    statusBar()->setSizeGripEnabled(true);

    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    pump_ = new StreamPump(
        *core_, *connection_, [this] { afterEvent(); }, this);

    if (!options.stateFile.isEmpty()) {
        stateFile_ = new StateFile(options.stateFile, *core_, clock_, this);
        stateFile_->setExtras([this] { return windowJson(); });
    }

    host_.setHooks({
        [this](std::string_view bytes) {
            connection_->write(bytes);
            connection_->flush();  // a key never waits for the next turn of the server's output
            if (stateFile_) stateFile_->noteWrite(bytes);
        },
        [this](int16_t vk) { broadcast_->broadcast(vk); },
        [this] {
            itemMenu_->popup(QCursor::pos());
            if (stateFile_) stateFile_->noteItemMenu();
        },
    });
    wireEvents();

    connectionControl_ = new ConnectionControl({this,
                                                connection_,
                                                display_,
                                                {itemGrid_, messageGrid_, tabStrip_},
                                                clock_,
                                                [this] { core_->restartStream(); },
                                                options.settingsFile,
                                                options.rememberServer},
                                               this);
    connectionControl_->addMenu(menuBar());
    connect(connectionControl_, &ConnectionControl::changed, this, [this] {
        if (stateFile_) stateFile_->changed();
    });
    new HelpMenu(menuBar(), this);

    // The load step: pictures, font, grids, DELAY on. The first resize (at
    // showing) lays the panels out, and then the connection opens.
    core_->load(loadPictures(), loadTerminalFont());
    afterEvent();
    focusSink_->setFocus();
    // Client area 512 x 512 under the menu bar, with the status line below.
    display_->resize(display_->sizeHint());
    resize(sizeHint());
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // Whatever refers to the core goes before it does, and the connection's
    // controls before the connection and the display they use.
    delete pump_;
    delete connectionControl_;
    delete logWindow_;
    delete connection_;
    delete broadcast_;
    delete itemMenu_;
    delete takeCentralWidget();
}

void MainWindow::buildPanels() {
    // Created in the designed stacking order, bottom to top.
    entryBox_ = new EntryBox(core_->textBox(), display_);
    focusSink_ = new QWidget(display_);
    focusSink_->setObjectName(QStringLiteral("focusSink"));
    focusSink_->setGeometry(0, 0, 1, 1);
    focusSink_->setFocusPolicy(Qt::StrongFocus);
    tabStrip_ = new TabStrip(core_->tabs(), display_);
    itemGrid_ = new ItemGridView(core_->items(), display_);
    messageGrid_ = new MessageGridView(core_->messages(), display_);

    itemMenu_ = new QMenu(this);
    itemMenu_->setObjectName(QStringLiteral("itemActions"));
    auto addItemAction = [this](const char* caption, MenuItem item) {
        QAction* action = itemMenu_->addAction(QString::fromLatin1(caption));
        action->setObjectName(objectNameOf(item));
        connect(action, &QAction::triggered, this, [this, item] { feed([item](ClientCore& c) { c.menu(item); }); });
    };
    addItemAction("cast sPell", MenuItem::CastSpell);
    addItemAction("Use", MenuItem::Use);
    addItemAction("Give", MenuItem::Give);
    itemMenu_->addSeparator();
    addItemAction("Xchange", MenuItem::Exchange);
    addItemAction("Bank", MenuItem::Bank);
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    auto addModeItem = [this, bar](MenuItem item) {
        QAction* action = bar->addAction(QString());
        action->setObjectName(objectNameOf(item));
        connect(action, &QAction::triggered, this, [this, item] { feed([item](ClientCore& c) { c.menu(item); }); });
        return action;
    };
    textBoxModeAction_ = addModeItem(MenuItem::TextBoxMode);
    delayModeAction_ = addModeItem(MenuItem::DelayMode);
    viewLogAction_ = addModeItem(MenuItem::ViewLog);
    viewLogAction_->setText(shownCaption(Keyboard::kViewLogCaption));
    experienceAction_ = bar->addAction(QString());
    experienceAction_->setObjectName(QStringLiteral("netexp"));
    experienceAction_->setToolTip(
        QStringLiteral("Your experience; during a fight, the experience gained in it (the game's own count is in "
                       "the status column)."));
}

void MainWindow::wireEvents() {
    connect(&wakeTimer_, &QTimer::timeout, this, [this] { feed([](ClientCore& c) { c.poll(); }); });
    connect(connection_, &Connection::connectedChanged, this,
            [this](bool connected) { feed([connected](ClientCore& c) { c.setConnected(connected); }); });
    connect(connection_, &Connection::statusChanged, statusLabel_, &QLabel::setText);
    broadcast_->setKeyHandler([this](int16_t vk) { feed([vk](ClientCore& c) { c.broadcastIn(vk); }); });

    connect(display_, &DisplayWidget::resized, this,
            [this](int w, int h) { feed([w, h](ClientCore& c) { c.resize(w, h); }); });
    connect(display_, &DisplayWidget::doubleClicked, this, [this] { feed([](ClientCore& c) { c.doubleClick(); }); });
    connect(display_, &DisplayWidget::pointerMoved, this, [this] { feed([](ClientCore& c) { c.mouseMoveForm(); }); });

    connect(itemGrid_, &ItemGridView::pressed, this, [this](int button, int yTwips) {
        if (button) feed([=](ClientCore& c) { c.mouseDownItems(button, yTwips); });
    });
    connect(itemGrid_, &ItemGridView::hovered, this,
            [this](int yTwips) { feed([=](ClientCore& c) { c.mouseMoveItems(yTwips); }); });
    connect(itemGrid_, &ItemGridView::playerSelected, this, [this](int row) {
        const uint64_t before = core_->items().revision;
        core_->selectItem(row);
        // The core moved its current row (back to the top): show that even
        // when the value is the one shown before the player's click.
        if (core_->items().revision != before) itemGrid_->forgetShownCell();
        afterEvent();
    });
    connect(itemGrid_, &ItemGridView::playerScrolled, this,
            [this](int toprow) { feed([=](ClientCore& c) { c.scrollItems(toprow); }); });
    connect(messageGrid_, &MessageGridView::playerSelected, this,
            [this](int64_t row) { feed([=](ClientCore& c) { c.selectMessage(row); }); });
    connect(tabStrip_, &TabStrip::playerClickedTab, this,
            [this](int index) { feed([=](ClientCore& c) { c.tab(index); }); });
    connect(tabStrip_, &TabStrip::pressed, this, [this](int button) {
        if (button) feed([=](ClientCore& c) { c.mouseDownTabs(button); });
    });
    connect(entryBox_, &EntryBox::focusChanged, this, [this](bool focused) {
        if (focused) core_->focusEntered(FocusHolder::TextBox);
        else core_->focusLeftTextBox();
    });
    connect(entryBox_, &EntryBox::playerEdited, this,
            [this](const std::string& text) { feed([&text](ClientCore& c) { c.setBoxText(text); }); });
    // A click on a panel gives it the keyboard; the core decides where it goes.
    connect(itemGrid_, &PanelGridView::focusWanted, this, [this] { panelFocused(FocusHolder::ItemGrid); });
    connect(messageGrid_, &PanelGridView::focusWanted, this, [this] { panelFocused(FocusHolder::MessageGrid); });
    connect(tabStrip_, &TabStrip::focusWanted, this, [this] { panelFocused(FocusHolder::TabStrip); });
}

// --- showing the core --------------------------------------------------------

void MainWindow::afterEvent() {
    const QRect damage = core_->canvas().takeDamage();
    if (!damage.isEmpty()) display_->update(damage);
    itemGrid_->sync();
    messageGrid_->sync();
    tabStrip_->sync();
    syncZOrder();
    entryBox_->sync();
    syncMenus();
    syncLog();
    syncSound();
    syncFrozen();
    syncNotices();
    armWakeTimer();
    pump_->schedule();
    if (stateFile_) stateFile_->changed();
}

void MainWindow::syncNotices() {
    constexpr int kNoticeMs = 6000;
    if (core_->refusedInputs() != shownRefusedInputs_) {
        shownRefusedInputs_ = core_->refusedInputs();
        statusBar()->showMessage(QStringLiteral("The game is paused and too much input is waiting: the last keys "
                                                "or clicks were not taken."),
                                 kNoticeMs);
    }
    if (core_->unsentWrites() != shownUnsentWrites_) {
        shownUnsentWrites_ = core_->unsentWrites();
        statusBar()->showMessage(QStringLiteral("Not connected: keys were not sent."), kNoticeMs);
    }
    const RefusedCharacters& refused = core_->refusedCharacters();
    if (shownRefusedCharacters_ != refused.revision) {
        const bool first = !shownRefusedCharacters_;
        shownRefusedCharacters_ = refused.revision;
        if (!first) {
            const char32_t ch = refused.last;
            statusBar()->showMessage(QStringLiteral("\u201c%1\u201d cannot be sent: no key of a US keyboard types it.")
                                         .arg(QString::fromUcs4(&ch, 1)),
                                     kNoticeMs);
        }
    }
}

// Where the windows are, for a test that drives them from outside.
std::string MainWindow::windowJson() const {
    auto nativeId = [](const QWidget* w) -> unsigned long long {
        return w && w->testAttribute(Qt::WA_WState_Created) ? static_cast<unsigned long long>(w->winId()) : 0;
    };
    const QPoint displayAt = display_->mapTo(this, QPoint(0, 0));
    std::string out =
        "\"window\":{\"id\":" + std::to_string(nativeId(this)) + ",\"displayx\":" + std::to_string(displayAt.x()) +
        ",\"displayy\":" + std::to_string(displayAt.y()) + ",\"logid\":" + std::to_string(nativeId(logWindow_)) +
        ",\"logshown\":" + (logWindow_ && logWindow_->isVisible() ? "true" : "false") + ",\"menubar\":{";
    // The centre of each item of the menu bar, so a test can click it.
    bool first = true;
    for (QAction* action : menuBar()->actions()) {
        const QRect r = menuBar()->actionGeometry(action);
        if (action->objectName().isEmpty() || r.isEmpty()) continue;
        const QPoint centre = menuBar()->mapTo(this, r.center());
        out += (first ? "\"" : ",\"") + action->objectName().toStdString() + "\":[" + std::to_string(centre.x()) + "," +
               std::to_string(centre.y()) + "]";
        first = false;
    }
    // The status bar's message, as the one element of a JSON array without its brackets.
    const QByteArray notice = QJsonDocument(QJsonArray{statusBar()->currentMessage()}).toJson(QJsonDocument::Compact);
    out += "},\"notice\":" + notice.mid(1, notice.size() - 2).toStdString() + "}";
    return out + "," + connectionControl_->json();
}

void MainWindow::syncMenus() {
    const InputModes& modes = core_->modes();
    if (shownModes_ != modes.revision) {
        shownModes_ = modes.revision;
        textBoxModeAction_->setText(shownCaption(modes.textBoxCaption));
        delayModeAction_->setText(shownCaption(modes.delayCaption));
        textBoxModeAction_->setToolTip(
            modes.textBox ? QStringLiteral("Text box input is on: a question opens a box to edit your answer in; "
                                           "Enter sends it. Click to switch it off.")
                          : QStringLiteral("Text box input is off: every key goes to the game at once. Click to "
                                           "switch it on."));
        delayModeAction_->setToolTip(
            modes.delay ? QStringLiteral("DELAY is on: the game's pauses are kept. Click to skip them.")
                        : QStringLiteral("DELAY is off: the game's pauses are skipped. Click to keep them."));
    }
    const CaptionsModel& captions = core_->captions();
    if (shownCaptions_ != captions.revision) {
        shownCaptions_ = captions.revision;
        experienceAction_->setText(
            captions.experience.empty() ? QString() : QStringLiteral("Exp ") + cp1252ToQString(captions.experience));
        // An empty caption would still leave a clickable gap in the bar.
        experienceAction_->setVisible(!captions.experience.empty());
        setWindowTitle(cp1252ToQString(captions.windowCaption));
    }
}

void MainWindow::syncZOrder() {
    const bool front = core_->tabs().front;
    if (shownFront_ == front) return;
    shownFront_ = front;
    if (front) tabStrip_->raise();
    else itemGrid_->raise();
}

void MainWindow::syncLog() {
    const LogModel& log = core_->log();
    if (!logWindow_) {
        if (!log.exists && !log.visible) return;
        logWindow_ = new LogWindow(log, this);
        connect(logWindow_, &LogWindow::closedByPlayer, this,
                [this] { feed([](ClientCore& c) { c.setLogVisible(false); }); });
    }
    logWindow_->sync();
}

void MainWindow::syncSound() {
    const bool due = host_.takeBeepDue();
    if (core_->warnings() > shownWarnings_ || due) sound_.play();
    shownWarnings_ = core_->warnings();
}

void MainWindow::syncFrozen() {
    const bool frozen = core_->modes().frozen;
    if (frozenLabel_->isVisibleTo(this) != frozen) frozenLabel_->setVisible(frozen);
}

void MainWindow::armWakeTimer() {
    const auto wake = core_->nextWake();
    if (!wake) {
        wakeTimer_.stop();
        return;
    }
    const double delay = std::ceil(*wake - clock_.nowMs());
    wakeTimer_.start(static_cast<int>(std::clamp(delay, 0.0, 24.0 * 3600 * 1000)));
}

void MainWindow::panelFocused(FocusHolder panel) {
    core_->focusEntered(panel);
    if (core_->keyboardFocus() == FocusHolder::FocusSink) focusSink_->setFocus(Qt::MouseFocusReason);
    afterEvent();
}

// --- the connection ----------------------------------------------------------

void MainWindow::reconnect() { connectionControl_->reconnect(); }

// --- window events -----------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!connectedOnce_) {
        connectedOnce_ = true;
        connectionControl_->start();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (logWindow_) logWindow_->closeQuietly();
    connection_->close();
    if (stateFile_) stateFile_->writeNow();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* action = menuBar()->actionAt(help->pos());
        if (action && !action->toolTip().isEmpty() && action->toolTip() != action->text())
            QToolTip::showText(help->globalPos(), action->toolTip(), menuBar());
        else QToolTip::hideText();
        return true;
    }
    // No shortcut and no menu's access key takes a key that is the game's.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (KeyTranslator::isGameKey(key->key(), key->modifiers(), key->text())) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* target = static_cast<QWidget*>(watched);
        if (target->window() == this) {
            const bool passedToParent =
                event == lastKey_ && lastKeyTarget_ && target != lastKeyTarget_ && target->isAncestorOf(lastKeyTarget_);
            if (!passedToParent) handleKey(*static_cast<QKeyEvent*>(event));
            lastKey_ = event;
            lastKeyTarget_ = target;
        }
    }
    // Keys are never consumed: the focused control still gets them.
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::handleKey(const QKeyEvent& event) {
    const std::vector<TypedKey> typed = translator_.translate(event.key(), event.modifiers(), event.text());
    if (typed.empty()) return;
    for (const TypedKey& t : typed) {
        if (t.unsendable) core_->characterWithoutKey(t.unsendable);
        if (t.key) core_->keyDown(t.key->code, t.key->mask);
        if (t.character) core_->keyPress(*t.character);
    }
    afterEvent();
}

MainWindow* openMainWindow(const ServerAddress& address, MainWindow::Options options) {
    auto* window = new MainWindow(address, std::move(options));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

}  // namespace quorlak
