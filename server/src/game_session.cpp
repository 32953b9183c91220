#include "game_session.h"

#include "catalog.h"
#include "encounter_view.h"
#include "glyphs.h"
#include "key_codes.h"
#include "list_screens.h"
#include "panels.h"
#include "realm.h"
#include "screen_layout.h"

namespace quorlak::server {

namespace {

constexpr int kNameLength = 12;

const QStringList kWelcomeText = {
    QStringLiteral("Welcome to the Frozen Vaults"),
    QString(),
    QStringLiteral("Under the town of Quorlak the ice hides"),
    QStringLiteral("old treasure, and the things guarding it."),
    QString(),
    QStringLiteral("Type your name and press Enter."),
    QStringLiteral("Enter alone picks a name for you."),
};

QPoint directionOf(int code) {
    switch (code) {
        case vkey::Left: return {-1, 0};
        case vkey::Up: return {0, -1};
        case vkey::Right: return {1, 0};
        case vkey::Down: return {0, 1};
        default: return {};
    }
}

}  // namespace

GameSession::GameSession(Realm& realm, quint64 seed, Output output)
    : realm_(realm),
      random_(seed),
      output_(std::move(output)),
      place_(world::startPlace()),
      quietHeadline_(encounter_view::endHeadline(false)),
      messages_(layout::kMessageX, {layout::kMessageY.begin(), layout::kMessageY.end()}, layout::kMessageWidth),
      account_(layout::kAccountX, {layout::kAccountY.begin(), layout::kAccountY.end()}, layout::kAccountWidth) {
    buildAreas();
}

GameSession::~GameSession() { realm_.leave(this); }

void GameSession::start() {
    out_.clearScreen();
    // The first character definition is also what starts the client reading
    // the screen's text, so they come before any text.
    for (int number : glyphNumbers()) out_.defineGlyph(number, glyphDigits(number));
    drawTopBand();
    list_screens::drawText(out_, kWelcomeText);
    questionText_ = QStringLiteral("Your name?");
    drawPrompt();
    flush();
}

void GameSession::handleKey(const KeyEvent& key) {
    if (key.kind == KeyEvent::Kind::KeepAlive) return;
    if (phase_ == Phase::Naming) handleNamingKey(key);
    else handlePlayingKey(key);
    flush();
}

void GameSession::handleNamingKey(const KeyEvent& key) {
    if (key.code == vkey::Enter) {
        enterGame(takeInput());
        return;
    }
    const QChar c = typedCharacter(key.code, key.mask);
    if (c.isNull() || c.isLetter() || key.code == vkey::Backspace || key.code == vkey::Escape) editInput(key);
}

void GameSession::handlePlayingKey(const KeyEvent& key) {
    if (listKeyNext_) {
        listKeyNext_ = false;
        handleListKey(key);
        return;
    }
    if (editInput(key)) return;
    // A redraw shows the note again; any other key clears it.
    if (playerNoteShown_ && key.code != vkey::F5) {
        panels::clearPlayerNote(out_);
        playerNoteShown_ = false;
    }
    switch (key.code) {
        case vkey::F7: listKeyNext_ = true; break;
        case vkey::F1: showList(View::Help); break;
        case vkey::F5: drawAll(); break;
        case vkey::Enter: execute(takeInput()); break;
        case vkey::PageUp: showList(View::Pack, qMax(1, packPage_ - 1)); break;
        case vkey::PageDown: showList(View::Pack, qMin(layout::kPageCount, packPage_ + 1)); break;
        case vkey::Left:
        case vkey::Up:
        case vkey::Right:
        case vkey::Down:
            if (fight_) flee(directionOf(key.code));
            else walk(directionOf(key.code));
            break;
        default: break;
    }
}

void GameSession::handleListKey(const KeyEvent& key) {
    const QChar c = typedCharacter(key.code, key.mask);
    if (c >= '1' && c <= QChar('0' + layout::kPageCount)) showList(View::Pack, c.digitValue());
    else if (c == 's') showList(View::Status);
    else if (c == 'S') showList(View::Spells);
    else if (c == 'c') showList(View::Company);
    else if (c == 'a') showList(View::AreaList);
    else if (c == 'e') showList(View::Everyone);
    else say(QStringLiteral("After F7: 1-6 pack, s status, S spells, c, a or e."));
}

bool GameSession::editInput(const KeyEvent& key) {
    if (key.code == vkey::Backspace) {
        if (!typed_.isEmpty()) {
            panels::eraseInput(out_, int(typed_.size()));
            typed_.chop(1);
        }
        return true;
    }
    if (key.code == vkey::Escape) {
        typed_.clear();
        if (question_ != Question::None) {
            question_ = Question::None;
            questionText_ = kIdleQuestion;
        }
        placeInput();
        return true;
    }
    const QChar c = typedCharacter(key.code, key.mask);
    if (c.isNull()) return false;
    const int length = phase_ == Phase::Naming ? kNameLength : layout::kInputLength;
    if (typed_.size() < length) {
        typed_ += c;
        panels::echoInput(out_, typed_);
    }
    return true;
}

QString GameSession::takeInput() {
    const QString line = typed_;
    typed_.clear();
    // A new field also empties the client's own text box.
    placeInput();
    return line;
}

void GameSession::enterGame(const QString& wantedName) {
    QString name = wantedName.trimmed();
    if (name.isEmpty()) {
        name = QStringLiteral("Wanderer");
        for (int n = 2; realm_.find(name); ++n) name = QStringLiteral("Wanderer%1").arg(n);
    }
    if (name.size() < 2) {
        say(QStringLiteral("A name needs at least two letters."));
        return;
    }
    name = name.left(1).toUpper() + name.mid(1);
    if (realm_.find(name)) {
        say(QStringLiteral("Someone called %1 is already here.").arg(name));
        return;
    }
    you_.name = name;
    phase_ = Phase::Playing;
    questionText_ = kIdleQuestion;
    realm_.enter(this);
    drawAll();
    say(QStringLiteral("Welcome, %1! F1 shows the keys.").arg(name));
}

void GameSession::ask(Question question, const QString& text) {
    question_ = question;
    questionText_ = text;
    panels::drawQuestion(out_, text);
}

// Everything the screen shows, drawn again from nothing.
void GameSession::drawAll() {
    out_.clearScreen();
    chestShown_ = false;
    drawTopBand();
    drawStatus();
    // Before the foe slots, which set the client's slot lines right again.
    panels::drawUserCount(out_, realm_.count());
    if (fight_) {
        encounter_view::drawStart(out_, *fight_);
        markedSlot_ = fight_->isPeaceful() ? 0 : fight_->target;
    } else {
        encounter_view::drawHeadline(out_, quietHeadline_);
    }
    account_.redraw(out_);
    drawView();
    if (world::tileAt(place_) == tile::kChest) {
        panels::showChest(out_);
        chestShown_ = true;
    }
    if (playerNoteShown_) panels::drawPlayerNote(out_, playerNote_);
    // The message band stays as it is: the client lists its lines beside the
    // display and would print lines it has already listed.
    drawPrompt();
}

void GameSession::drawTopBand() {
    panels::TopBand band;
    if (phase_ == Phase::Naming) {
        band.title = QStringLiteral("Duvur Quorlak");
        band.left = {QStringLiteral("The Frozen Vaults")};
        band.yellow = {QStringLiteral("Welcome, traveller.")};
    } else {
        int banked = 0;
        for (const PackSlot& slot : you_.pack) banked += slot.banked ? 1 : 0;
        band.title = world::area(place_.area).name;
        band.left = {QStringLiteral("%1, level %2").arg(you_.name).arg(you_.level),
                     QStringLiteral("At %1,%2").arg(place_.cell.x()).arg(place_.cell.y())};
        band.grey = {QStringLiteral("Kills %1").arg(you_.kills), QStringLiteral("Died %1").arg(you_.deaths),
                     QStringLiteral("Bank %1").arg(banked)};
        band.yellow = {QStringLiteral("Exits: ") + world::exitsOf(place_.area), QStringLiteral("F1 help, F7 lists"),
                       fight_ ? QStringLiteral("Fighting!") : QStringLiteral("Arrows walk")};
    }
    panels::drawTopBand(out_, band);
}

void GameSession::drawStatus() { panels::drawStatusColumn(out_, you_, conditions()); }

void GameSession::drawView() {
    switch (view_) {
        case View::Map: map_view::draw(out_, place_.area, mapMarks()); break;
        case View::Pack: list_screens::draw(out_, list_screens::inventoryPage(you_, packPage_)); break;
        case View::Status: list_screens::draw(out_, list_screens::status(you_)); break;
        case View::Spells: list_screens::draw(out_, list_screens::spells(you_)); break;
        case View::AreaList: list_screens::draw(out_, areaScreen()); break;
        case View::Help: list_screens::drawText(out_, list_screens::help()); break;
        case View::Company:
        case View::Everyone: {
            const bool here = view_ == View::Company;
            QList<PlayerSummary> players;
            for (const GameSession* player : realm_.players()) {
                if (!here || player->place().area == place_.area)
                    players.append({player->name(), world::area(player->place().area).name, player->character().level,
                                    player == this});
            }
            const QString heading = here ? QStringLiteral("Company in ") + world::area(place_.area).name
                                         : QStringLiteral("Everyone in the Vaults");
            list_screens::draw(out_, list_screens::players(heading, players));
            break;
        }
    }
}

void GameSession::drawPrompt() {
    placeInput();
    if (!typed_.isEmpty()) panels::echoInput(out_, typed_);
}

void GameSession::placeInput() {
    panels::placeInput(out_, questionText_, phase_ == Phase::Naming ? kNameLength : layout::kInputLength);
}

void GameSession::drawUserCount() {
    const int users = realm_.count();
    panels::drawUserCount(out_, users);
    // The count starts with a digit, which the client also takes for a foe
    // slot's number; the foe's own line must be the last one it read, with
    // its highlight when it is the one being fought.
    if (fight_ && users >= 1 && users <= fight_->foes.size()) redrawSlot(users);
}

void GameSession::showPlayerNote(const QString& note) {
    playerNote_ = note;
    playerNoteShown_ = true;
    panels::drawPlayerNote(out_, note);
}

void GameSession::addMessage(const QString& line) { messages_.add(out_, line); }

void GameSession::flush() {
    if (out_.isEmpty() || !output_) return;
    // Leave the client's drawing position at the input field.
    out_.returnToInput();
    output_(out_.take());
}

void GameSession::usersChanged() {
    if (!isPlaying()) return;
    drawUserCount();
    flush();
}

void GameSession::otherMoved(const GameSession& other, const std::optional<Place>& from) {
    if (!isPlaying()) return;
    const bool wasHere = from && from->area == place_.area;
    const bool isHere = other.place().area == place_.area;
    QList<QPoint> cells;
    if (wasHere) cells.append(from->cell);
    if (isHere) cells.append(other.place().cell);
    if (view_ == View::Map && !cells.isEmpty()) redrawMapCells(cells);
    if (isHere != wasHere)
        showPlayerNote((isHere ? QStringLiteral("Player is here: ") : QStringLiteral("Player is gone: ")) +
                       other.name());
    flush();
}

void GameSession::otherLeft(const GameSession& other) {
    if (!isPlaying() || other.place().area != place_.area) return;
    if (view_ == View::Map) redrawMapCells({other.place().cell});
    showPlayerNote(QStringLiteral("Player is gone: ") + other.name());
    flush();
}

void GameSession::hear(QChar kind, const QString& from, const QString& text) {
    if (!isPlaying()) return;
    addMessage(talkLine(kind, from, text));
    flush();
}

void GameSession::notice(const QString& text) {
    if (!isPlaying()) return;
    say(text);
    flush();
}

bool GameSession::receive(const QString& from, int type) {
    if (!isPlaying() || you_.addItem(type) < 0) return false;
    say(QStringLiteral("%1 gives you a %2.").arg(from, itemType(type).name));
    refreshPackView();
    flush();
    return true;
}

}  // namespace quorlak::server
