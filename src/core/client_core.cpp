#include "core/client_core.h"

#include <cmath>

#include "base/val_rule.h"

namespace quorlak {

ClientCore::ClientCore(CoreHost& host, const Clock& clock) : ClientCore(host, clock, Canvas()) {}

ClientCore::ClientCore(CoreHost& host, const Clock& clock, Canvas&& reused)
    : host_(host),
      clock_(clock),
      canvas_(std::move(reused)),
      sender_(clock_, entry_.box(), [this](std::string_view bytes) { write(bytes); }),
      panels_(
          canvas_, [this](int toprow) { setItemsTopRow(toprow); }, [this] { host_.beep(); }),
      events_(*this),
      commands_(canvas_, pictures_, events_),
      keyboard_({sender_, entry_, panels_, [this] { return host_.clipboardText(); }, [this] { restartKeepAlive(); },
                 [this](int16_t vk, uint16_t heldMask) { broadcastKey(vk, heldMask); }}),
      actions_({sender_, panels_, entry_.box(), [this] { host_.showItemMenu(); }}),
      handler_(*this) {
    canvas_.reset();
    // The keep-alive timer runs from the window's creation.
    timerDue_ = clock_.nowMs() + kKeepAliveMs;
}

void ClientCore::load(Pictures pictures, const QFont& font) {
    pictures_ = std::move(pictures);
    keyboard_.setDelay(true);
    canvas_.setFont(font);
    panels_.keepLoadedGridHeight();
}

// --- events -----------------------------------------------------------------

void ClientCore::runOrDefer(std::function<void()> event) {
    if (!holding() && held_.empty()) {
        runInput(event);
        return;
    }
    if (heldInputs_ >= kMaxHeldInputs) {
        ++refusedInputs_;  // the window says so; nothing already waiting is lost
        return;
    }
    ++heldInputs_;
    held_.emplace_back(std::move(event));
}

void ClientCore::runInput(const std::function<void()>& event) {
    sender_.beginHandler();
    event();
    runPosted();
}

// The work an event queued for right after itself runs before anything
// that waits, even when the event itself had to wait.
void ClientCore::runPosted() {
    while (!posted_.empty()) {
        // Only received data starts a pause, so nothing posted ever waits.
        auto work = std::move(posted_.front());
        posted_.erase(posted_.begin());
        sender_.beginHandler();
        work();
    }
}

void ClientCore::broadcastKey(int16_t vk, uint16_t heldMask) {
    host_.broadcastKey(vk);
    posted_.push_back([this, vk, heldMask] { keyboard_.keyDown(vk, static_cast<int16_t>(heldMask)); });
}

void ClientCore::receive(std::string_view chunk) {
    if (observer_) observer_->received(chunk);
    if (!streamBusy()) {
        beginTurn();
        deliver(chunk);
        return;
    }
    held_.emplace_back(HeldBytes{std::make_shared<const std::string>(chunk), 0, 0});
}

void ClientCore::receiveStream(std::shared_ptr<const std::string> bytes, size_t chunk) {
    if (!bytes || bytes->empty()) return;
    held_.emplace_back(HeldBytes{std::move(bytes), 0, chunk});
    beginTurn();
    drainHeld();
}

void ClientCore::runWaitingRecords() {
    if (holding()) return;
    beginTurn();
    framer_.resume(handler_);
    drainHeld();
    if (!streamBusy()) afterPause_ = false;
}

void ClientCore::beginTurn() {
    if (budget_) budget_->begin();
}

void ClientCore::deliver(std::string_view chunk) {
    if (keyboard_.modes().frozen) return;
    framer_.feed(chunk, handler_);
}

size_t ClientCore::heldBytes() const {
    size_t total = framer_.heldBytes();
    for (const HeldEvent& event : held_)
        if (const auto* bytes = std::get_if<HeldBytes>(&event)) total += bytes->bytes->size() - bytes->offset;
    return total;
}

void ClientCore::keyDown(int16_t vk, int16_t mask) {
    if (observer_) observer_->keyDown(vk, mask);
    runOrDefer([=, this] { keyboard_.keyDown(vk, mask); });
}

void ClientCore::keyPress(int16_t ch) {
    if (observer_) observer_->keyPress(ch);
    // The modifiers as the key was pressed, not as they are when it runs.
    const uint16_t heldMask = host_.heldModifiers();
    runOrDefer([=, this] { keyboard_.keyPress(ch, heldMask); });
}

void ClientCore::characterWithoutKey(char32_t ch) {
    runOrDefer([=, this] { keyboard_.characterWithoutKey(ch); });
}

void ClientCore::setBoxText(std::string text) {
    if (observer_) observer_->boxTextSet(text);
    runOrDefer([this, text = std::move(text)] { entry_.setText(text); });
}

void ClientCore::menu(MenuItem item) {
    if (observer_) observer_->menuChosen(item);
    runOrDefer([=, this] {
        switch (item) {
            case MenuItem::TextBoxMode: keyboard_.toggleTextBoxMode(); break;
            case MenuItem::DelayMode: keyboard_.toggleDelayMode(); break;
            case MenuItem::ViewLog: keyboard_.showLog(); break;
            case MenuItem::CastSpell: actions_.itemAction(ItemAction::Spell); break;
            case MenuItem::Use: actions_.itemAction(ItemAction::Use); break;
            case MenuItem::Give: actions_.itemAction(ItemAction::Give); break;
            case MenuItem::Exchange: actions_.itemAction(ItemAction::Exchange); break;
            case MenuItem::Bank: actions_.itemAction(ItemAction::Bank); break;
        }
    });
}

void ClientCore::doubleClick() {
    if (observer_) observer_->doubleClicked();
    runOrDefer([this] { keyboard_.toggleFrozen(); });
}

void ClientCore::resize(int w, int h) {
    if (observer_) observer_->resized(w, h);
    runOrDefer([=, this] {
        clientWidth_ = w;
        clientHeight_ = h;
        panels_.layOut(w, h);
    });
}

void ClientCore::mouseMoveForm() {
    if (observer_) observer_->pointerOverForm();
    runOrDefer([this] { panels_.pointerOverForm(actions_.savedGridHeight()); });
}

void ClientCore::mouseMoveItems(int yTwips) {
    if (observer_) observer_->pointerOverItems(yTwips);
    runOrDefer([=, this] { panels_.pointerOverItems(yTwips, actions_.savedGridHeight()); });
}

void ClientCore::mouseDownItems(int button, int yTwips) {
    if (observer_) observer_->itemsPressed(button, yTwips);
    runOrDefer([=, this] { actions_.itemsMouseDown(button, yTwips); });
}

void ClientCore::mouseDownTabs(int button) {
    if (observer_) observer_->tabsPressed(button);
    runOrDefer([=, this] { actions_.tabsMouseDown(button); });
}

void ClientCore::selectItem(int row) {
    if (observer_) observer_->itemSelected(row);
    runOrDefer([=, this] { actions_.itemsSelected(row); });
}

void ClientCore::selectMessage(int64_t row) {
    if (observer_) observer_->messageSelected(row);
    runOrDefer([=, this] { actions_.messageSelected(row); });
}

void ClientCore::scrollItems(int toprow) {
    if (observer_) observer_->itemsScrolled(toprow);
    runOrDefer([=, this] {
        panels_.scrollItemsTo(toprow);
        actions_.itemsScrolled(toprow);
    });
}

void ClientCore::tab(int index) {
    if (observer_) observer_->tabClicked(index);
    runOrDefer([=, this] { actions_.tabClicked(index); });
}

void ClientCore::broadcastIn(int16_t vk) {
    if (observer_) observer_->broadcastReceived(vk);
    const auto heldMask = static_cast<int16_t>(host_.heldModifiers());
    runOrDefer([=, this] { keyboard_.keyDown(vk, heldMask); });
}

void ClientCore::focusEntered(FocusHolder holder) { entry_.focusEntered(holder); }

void ClientCore::focusLeftTextBox() { entry_.focusLeftBox(); }

void ClientCore::restartStream() {
    if (observer_) observer_->streamRestarted();
    framer_.restart();
    pauseUntil_.reset();
    std::erase_if(held_, [](const HeldEvent& event) { return std::holds_alternative<HeldBytes>(event); });
    beginTurn();
    drainHeld();
}

void ClientCore::setConnected(bool connected) {
    if (observer_) observer_->connectionChanged(connected);
    // The socket's state is the platform's, not an event of the window: no waiting.
    connected_ = connected;
}

void ClientCore::setLogVisible(bool visible) { panels_.setLogVisible(visible); }

// --- stream -----------------------------------------------------------------

void ClientCore::StreamHandler::beginChunk() { core_.commands_.beginChunk(); }

Flow ClientCore::StreamHandler::handle(const Record& record) {
    if (record.code == RecordCode::pz) {
        // A number outside 16 bits is no pause the game can mean: ignore it.
        const auto ms = toInt16(valNumber(record.arg));
        if (ms && core_.keyboard_.modes().delay && *ms >= 0) {
            core_.pauseUntil_ = core_.clock_.nowMs() + *ms;
            return Flow::Hold;
        }
    } else {
        core_.commands_.run(record);
    }
    // The turn is over: the rest waits, and the framer keeps it as a pause's.
    return core_.budget_ && core_.budget_->spent() ? Flow::Hold : Flow::Continue;
}

void ClientCore::endPauseIfDue(double now) {
    // The pause lasts until strictly more than its milliseconds have passed.
    if (!pauseUntil_ || now <= *pauseUntil_) return;
    pauseUntil_.reset();
    afterPause_ = true;
    framer_.resume(handler_);
    drainHeld();
}

void ClientCore::drainHeld() {
    if (draining_) return;
    draining_ = true;
    // A turn that ends on a chunk's last record leaves the framer holding
    // nothing, which stops here too.
    while (!held_.empty() && !framer_.holding()) {
        if (auto* bytes = std::get_if<HeldBytes>(&held_.front())) {
            const std::string_view rest = std::string_view(*bytes->bytes).substr(bytes->offset);
            const std::string_view piece = bytes->chunk == 0 ? rest : rest.substr(0, bytes->chunk);
            // Kept alive until the piece is framed, even when popped first.
            const auto keep = bytes->bytes;
            bytes->offset += piece.size();
            if (bytes->offset == keep->size()) held_.pop_front();
            deliver(piece);
        } else {
            auto event = std::move(std::get<std::function<void()>>(held_.front()));
            held_.pop_front();
            --heldInputs_;
            runInput(event);
        }
    }
    draining_ = false;
}

// --- time -------------------------------------------------------------------

void ClientCore::poll() {
    const double now = clock_.nowMs();
    beginTurn();
    endPauseIfDue(now);
    if (holding() || !held_.empty()) return;
    // What a pause held runs before the timers, also when it takes more than one turn.
    if (afterPause_ && recordsWaiting()) return;
    afterPause_ = false;
    if (timerEnabled_ && now >= timerDue_) keepAliveTick();
    sender_.poll();
}

std::optional<double> ClientCore::nextWake() const {
    if (pauseUntil_) {
        // The first whole millisecond past the pause's end.
        return std::floor(*pauseUntil_) + 1;
    }
    std::optional<double> wake;
    if (timerEnabled_) wake = timerDue_;
    if (const auto s = sender_.nextWake(); s && (!wake || *s < *wake)) wake = s;
    return wake;
}

void ClientCore::write(std::string_view bytes) {
    if (connected_) host_.write(bytes);
    else ++unsentWrites_;  // the window tells the player
}

void ClientCore::restartKeepAlive() {
    timerEnabled_ = true;
    timerDue_ = clock_.nowMs() + kKeepAliveMs;
}

void ClientCore::keepAliveTick() {
    const double now = clock_.nowMs();
    // Only while connected; a missed keep-alive is no lost key.
    if (connected_) host_.write(std::string_view("\0\0", 2));
    timerDue_ += kKeepAliveMs;
    if (timerDue_ <= now) timerDue_ = now + kKeepAliveMs;
}

void ClientCore::setItemsTopRow(int toprow) {
    if (panels_.items().toprow == toprow) return;
    panels_.scrollItemsTo(toprow);
    actions_.itemsScrolled(toprow);
}

}  // namespace quorlak
