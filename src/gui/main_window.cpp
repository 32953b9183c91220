#include "gui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QHelpEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
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
#include "gui/message_log.h"
#include "gui/playback.h"
#include "gui/playback_bar.h"
#include "gui/recording_file.h"
#include "gui/screenshot.h"
#include "gui/settings.h"
#include "gui/state_file.h"
#include "gui/stream_pump.h"
#include "gui/tab_strip.h"
#include "gui/window_zoom.h"
#include "input/keymap.h"

namespace quorlak {

namespace {

// Tests that drive the window from outside find the menu items by these names.
QString objectNameOf(MenuItem item) {
    const std::string_view name = menuItemName(item);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// How long a note about a file stays in the status bar.
constexpr int kProblemShownMs = 15000;
// The largest zoom the menu bar and the status line follow.
constexpr int kMaxChromeZoom = 2;
// The height of a window's title bar, in logical pixels, until the window manager tells.
constexpr int kAssumedTitleBar = 40;

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
    : QMainWindow(parent),
      address_(std::move(address)),
      coreClock_(options.playback ? static_cast<const Clock&>(playbackClock_) : clock_) {
    // Making the window is the clock's moment 0, as a replay's start is.
    const MonotonicClock::Hold moment(clock_, MonotonicClock::Hold::kAtStart);
    setObjectName(QStringLiteral("mainWindow"));
    setContextMenuPolicy(Qt::NoContextMenu);
    core_ = std::make_unique<ClientCore>(host_, coreClock_);
    if (!options.settings) ownSettings_ = std::make_unique<Settings>();
    settings_ = options.settings ? options.settings : ownSettings_.get();
    messageLogDirectory_ =
        options.messageLogDirectory.isEmpty() ? MessageLog::defaultDirectory() : options.messageLogDirectory;

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
    chromeFontPixels_ = QFontInfo(statusBar()->font()).pixelSize();

    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    pump_ = new StreamPump(
        *core_, *connection_, [this] { afterEvent(); }, this);

    if (!options.stateFile.isEmpty()) {
        stateFile_ = new StateFile(options.stateFile, *core_, coreClock_, this);
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
                                                *settings_,
                                                options.rememberServer},
                                               this);
    addRecordAction(*connectionControl_->addMenu(menuBar()));
    connect(connectionControl_, &ConnectionControl::changed, this, [this] {
        if (stateFile_) stateFile_->changed();
    });
    new HelpMenu(menuBar(), this);

    // The load step: pictures, font, grids, DELAY on. The first resize (at
    // showing) lays the panels out, and then the connection opens.
    core_->load(loadPictures(), loadTerminalFont());
    if (!options.recordFile.isEmpty()) {
        // From the very start, so the recording's times are the core's own.
        recording_ = std::make_unique<RecordingFile>(options.recordFile, *core_, coreClock_, host_, 0);
        if (recording_->problem().isEmpty()) {
            recordAction_->setText(QStringLiteral("Stop recording"));
        } else {
            tellProblem(recording_->problem());
            recording_.reset();
        }
    }
    if (options.playback) {
        host_.useScriptedDesktop();
        playback_ = new Playback(std::move(*options.playback), *core_, playbackClock_, host_, this);
        playback_->setSpeed(options.playbackSpeed);
        playback_->setShow([this] { afterEvent(); });
        statusBar()->addPermanentWidget(new PlaybackBar(*playback_, this), 2);
        statusLabel_->setText(QStringLiteral("Playing a recording"));
        connect(playback_, &Playback::ended, this,
                [this] { statusLabel_->setText(QStringLiteral("The recording has ended")); });
    }
    afterEvent();
    focusSink_->setFocus();

    // The zoom asked for, or remembered, or what suits the screen; never
    // more than the screen holds.
    const QScreen* shown = screen();
    const int zoom = options.zoom.value_or(settings_->zoom().value_or(
        shown ? defaultZoom(shown->devicePixelRatio(), shown->physicalDotsPerInch()) : Settings::kMinZoom));
    zoom_ = new WindowZoom(*settings_, zoom, this);
    applyZoom(zoom_->zoom());
    // A smaller screen this time: the remembered zoom stays for a larger one.
    while (zoom_->zoom() > Settings::kMinZoom && !fitsScreen()) {
        zoom_->setZoom(zoom_->zoom() - 1, false);
        applyZoom(zoom_->zoom());
    }
    connect(zoom_, &WindowZoom::zoomChanged, this, [this](int z) {
        applyZoom(z);
        // The player may want it all the same; the next start picks one that fits.
        if (!fitsScreen()) tellProblem(QStringLiteral("Zoom %1\u00d7 is larger than this screen.").arg(z));
    });
    buildViewMenu();
    // A playback is not the player's session: its messages stay out of the log.
    if (live() && settings_->logMessages()) setLogMessages(true);

    // Client area 512 x 512 units under the menu bar, with the status line
    // below, or as the player left it.
    display_->resize(display_->sizeHint());
    resize(sizeHint());
    if (const QByteArray saved = settings_->windowGeometry(zoom_->zoom()); !saved.isEmpty()) restoreGeometry(saved);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    recording_.reset();
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

void MainWindow::addRecordAction(QMenu& connectionMenu) {
    // Before the separator that sets Quit apart.
    QAction* before = nullptr;
    for (QAction* a : connectionMenu.actions())
        if (a->isSeparator()) before = a;
    recordAction_ = new QAction(QStringLiteral("Record session\u2026"), &connectionMenu);
    connectionMenu.insertAction(before, recordAction_);
    recordAction_->setObjectName(QStringLiteral("recordSession"));
    connect(recordAction_, &QAction::triggered, this, [this] {
        if (recording_) {
            stopRecording();
            return;
        }
        const QString name =
            QDateTime::currentDateTime().toString(QStringLiteral("'quorlak-session-'yyyy-MM-dd-HHmmss'.jsonl'"));
        const QString path =
            QFileDialog::getSaveFileName(this, QStringLiteral("Record session"), QDir(QDir::homePath()).filePath(name),
                                         QStringLiteral("Session recordings (*.jsonl);;All files (*)"));
        if (!path.isEmpty()) startRecording(path);
    });
}

void MainWindow::buildViewMenu() {
    // Inserted before the connection menu; no access keys, every key belongs to the game.
    QMenu* view = new QMenu(QStringLiteral("View"), this);
    view->setObjectName(QStringLiteral("viewMenu"));
    view->menuAction()->setObjectName(QStringLiteral("viewMenu"));
    view->setFont(menuBar()->font());  // made after the first zoom
    menuBar()->insertMenu(findChild<QAction*>(QStringLiteral("connectionMenu")), view);
    zoom_->addTo(*view);
    view->addSeparator();
    logMessagesAction_ = view->addAction(QStringLiteral("Log messages"));
    logMessagesAction_->setObjectName(QStringLiteral("logMessages"));
    logMessagesAction_->setCheckable(true);
    connect(logMessagesAction_, &QAction::triggered, this, &MainWindow::setLogMessages);
    view->addSeparator();
    QAction* save = view->addAction(QStringLiteral("Save screenshot\u2026"));
    save->setObjectName(QStringLiteral("saveScreenshot"));
    connect(save, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Save screenshot"),
            QDir(screenshotFolder()).filePath(screenshotName(QDateTime::currentDateTime())),
            QStringLiteral("PNG pictures (*.png)"));
        if (!path.isEmpty()) saveScreenshot(path);
    });
    QAction* copy = view->addAction(QStringLiteral("Copy screenshot"));
    copy->setObjectName(QStringLiteral("copyScreenshot"));
    connect(copy, &QAction::triggered, this, &MainWindow::copyScreenshot);
    if (!live()) {
        logMessagesAction_->setEnabled(false);
        recordAction_->setEnabled(false);
        for (QAction* a : {textBoxModeAction_, delayModeAction_, viewLogAction_}) a->setEnabled(false);
        // No server to connect to.
        for (const char* name : {"mnuConnectTo", "mnuReconnect", "mnuDisconnect"})
            if (auto* a = findChild<QAction*>(QLatin1String(name))) a->setEnabled(false);
    }
}

// --- zoom, files and screenshots -----------------------------------------------

void MainWindow::applyZoom(int zoom) {
    const QSize units = display_->sizeInUnits();
    scale_ = DisplayScale(zoom, devicePixelRatio());
    display_->setScale(scale_);
    itemGrid_->setScale(scale_);
    messageGrid_->setScale(scale_);
    tabStrip_->setScale(scale_);
    entryBox_->setScale(scale_);
    if (logWindow_) logWindow_->setScale(scale_);
    // The menu bar and the status line grow too, but less at the top zooms,
    // so that even 4x, its frame included, fits a screen 2160 pixels high.
    const DisplayScale chrome(std::min(zoom, kMaxChromeZoom), devicePixelRatio());
    QFont f = statusBar()->font();
    f.setPixelSize(chrome.fontPixels(chromeFontPixels_));
    statusBar()->setFont(f);
    menuBar()->setFont(f);
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(f);
    afterEvent();
    // The client area keeps its size in units, so the layout stays as it was.
    const QSize wanted = scale_.toLogical(units.expandedTo(QSize(Canvas::kSize, Canvas::kSize)));
    if (isVisible()) {
        // The smaller minimum size of a smaller zoom holds at once, or the window could not shrink.
        layout()->activate();
        resize(size() + wanted - display_->size());
        // The menu bar and the status line take their new heights only once laid out again.
        QTimer::singleShot(0, this, [this, wanted] {
            // The status line keeps its old height otherwise.
            statusBar()->setFixedHeight(statusBar()->sizeHint().height());
            layout()->activate();
            if (display_->size() != wanted) resize(size() + wanted - display_->size());
        });
    } else display_->resize(wanted);
}

bool MainWindow::fitsScreen() const {
    const QScreen* shown = screen();
    if (!shown) return true;
    // Before the first showing the frame is not known yet: allow for a title bar.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, kAssumedTitleBar);
    const QSize needed = minimumSizeHint() + frame;
    return shown->availableGeometry().size().boundedTo(needed) == needed;
}

void MainWindow::tellProblem(const QString& problem) {
    lastProblem_ = problem;
    statusBar()->showMessage(problem, kProblemShownMs);
}

bool MainWindow::startRecording(const QString& path) {
    recording_.reset();
    // A session under way is recorded from now on; its times count from here.
    recording_ = std::make_unique<RecordingFile>(path, *core_, coreClock_, host_, coreClock_.nowMs());
    if (const QString problem = recording_->problem(); !problem.isEmpty()) {
        recording_.reset();
        tellProblem(problem);
        return false;
    }
    recordAction_->setText(QStringLiteral("Stop recording"));
    // What was drawn before is not in the file.
    statusBar()->showMessage(
        QStringLiteral("Recording to %1 from now on: its replay starts from a blank screen.").arg(path),
        kProblemShownMs);
    return true;
}

void MainWindow::stopRecording() {
    if (!recording_) return;
    const QString path = recording_->path();
    recording_.reset();
    recordAction_->setText(QStringLiteral("Record session\u2026"));
    statusBar()->showMessage(QStringLiteral("Recording saved in %1").arg(path), kProblemShownMs);
}

void MainWindow::setLogMessages(bool on) {
    settings_->setLogMessages(on);
    if (!on) {
        if (messageLog_) messageLog_->stop();
    } else {
        if (!messageLog_) messageLog_ = std::make_unique<MessageLog>(core_->messages(), messageLogDirectory_);
        if (!messageLog_->running()) {
            if (messageLog_->start())
                statusBar()->showMessage(QStringLiteral("Logging messages to %1").arg(messageLog_->path()),
                                         kProblemShownMs);
            else tellProblem(messageLog_->problem());
        }
    }
    logMessagesAction_->setChecked(messageLog_ && messageLog_->running());
}

void MainWindow::syncFiles() {
    if (recording_ && !recording_->problem().isEmpty()) {
        tellProblem(recording_->problem());
        recording_.reset();
        recordAction_->setText(QStringLiteral("Record session\u2026"));
    }
    if (messageLog_ && messageLog_->running() && !messageLog_->sync()) {
        // Off for this run only: the next run tries again.
        tellProblem(messageLog_->problem());
        logMessagesAction_->setChecked(false);
    }
}

bool MainWindow::saveScreenshot(const QString& path) {
    if (display_->shownPicture().save(path, "PNG")) {
        statusBar()->showMessage(QStringLiteral("Screenshot saved in %1").arg(path), kProblemShownMs);
        return true;
    }
    tellProblem(QStringLiteral("Cannot save the screenshot in %1.").arg(path));
    return false;
}

void MainWindow::copyScreenshot() {
    QGuiApplication::clipboard()->setImage(display_->shownPicture());
    statusBar()->showMessage(QStringLiteral("Screenshot copied"), kProblemShownMs);
}

// The window takes the size each recorded resize gave the client area.
void MainWindow::followRecordedSize() {
    // Only a new size: the player may make the window larger meanwhile.
    const QSize units(core_->clientWidth(), core_->clientHeight());
    if (units == followedSize_) return;
    followedSize_ = units;
    resize(size() + scale_.toLogical(units.expandedTo(QSize(Canvas::kSize, Canvas::kSize))) - display_->size());
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
        if (!live()) return;
        const MonotonicClock::Hold moment(clock_);
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
        if (!live()) return;
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
    if (!damage.isEmpty()) display_->updatePicture(damage);
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
    syncFiles();
    if (!live()) followRecordedSize();
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
        logWindow_->setScale(scale_);
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
    // A playback runs the core's clock itself.
    const auto wake = live() ? core_->nextWake() : std::nullopt;
    if (!wake) {
        wakeTimer_.stop();
        return;
    }
    const double delay = std::ceil(*wake - clock_.nowMs());
    wakeTimer_.start(static_cast<int>(std::clamp(delay, 0.0, 24.0 * 3600 * 1000)));
}

void MainWindow::panelFocused(FocusHolder panel) {
    if (!live()) return;
    const MonotonicClock::Hold moment(clock_);
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
        if (live()) connectionControl_->start();
        else playback_->play();
        // On a screen with another scaling of its own, the blocks keep their size in screen pixels.
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (devicePixelRatio() != scale_.devicePixelRatio()) applyZoom(scale_.zoom());
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The recording and the state file end at the same moment, the connection's close included.
    const MonotonicClock::Hold moment(clock_);
    settings_->setWindowGeometry(saveGeometry(), scale_.zoom());
    if (logWindow_) logWindow_->closeQuietly();
    connection_->close();
    recording_.reset();
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
    if (event->type() == QEvent::Wheel && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            zoom_->wheel(wheel->angleDelta().y());
            return true;
        }
    }
    // A recording plays: the player's keys and clicks on the game are not its events.
    if (!live() && watched->isWidgetType() &&
        (watched == display_ || display_->isAncestorOf(static_cast<QWidget*>(watched)))) {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel: return true;
            default: break;
        }
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
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && live()) {
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
    const MonotonicClock::Hold moment(clock_);
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
