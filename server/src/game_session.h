#pragma once
// One player's game, from the first screen to the last: it turns the keys
// the player sends into moves, fights and commands, and draws what follows.
// It knows nothing of sockets: what it draws goes to `output` at the end of
// each key or event, so it can be driven directly in tests.

#include <QByteArray>
#include <functional>
#include <optional>
#include <vector>

#include "character.h"
#include "fight.h"
#include "key_event.h"
#include "line_pager.h"
#include "map_view.h"
#include "random.h"
#include "record_writer.h"
#include "screen_lines.h"
#include "world_map.h"

namespace quorlak::server {

class Realm;
struct Command;
struct ListScreen;

class GameSession {
public:
    using Output = std::function<void(const QByteArray&)>;

    GameSession(Realm& realm, quint64 seed, Output output);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    void start();
    void handleKey(const KeyEvent& key);

    bool isPlaying() const { return phase_ == Phase::Playing; }
    const QString& name() const { return you_.name; }
    const Place& place() const { return place_; }
    const Character& character() const { return you_; }
    bool isFighting() const { return fight_.has_value(); }
    // The encounter under way, if any.
    const std::optional<Fight>& fight() const { return fight_; }

    // What other players' doings mean for this one; called by the realm.
    void usersChanged();
    void otherMoved(const GameSession& other, const std::optional<Place>& from);
    void otherLeft(const GameSession& other);
    void hear(QChar kind, const QString& from, const QString& text);
    void notice(const QString& text);
    bool receive(const QString& from, int type);  // false when it cannot be carried

private:
    static constexpr int kGroupReturnsAfter = 80;  // moves until beaten creatures come back
    static inline const QString kIdleQuestion = QStringLiteral("Command (F1 help):");

    enum class Phase { Naming, Playing };
    enum class View { Map, Pack, Status, Spells, Company, AreaList, Everyone, Help };
    enum class Question { None, Use, Cast, Give, Bank, Exchange, MessageText };

    struct CreatureGroup {
        QList<int> creatures;
        QPoint home;
        QPoint cell;
        bool present = true;
        int returnsAtMove = 0;
        int calmUntilMove = 0;  // after the player got away from it
    };
    struct Chest {
        QPoint cell;
        bool closed = true;
        int refillsAtMove = 0;
    };
    struct AreaState {
        QList<CreatureGroup> groups;
        QList<Chest> chests;
    };

    // game_session.cpp: keys, the input line and whole-screen drawing
    void handleNamingKey(const KeyEvent& key);
    void handlePlayingKey(const KeyEvent& key);
    void handleListKey(const KeyEvent& key);
    bool editInput(const KeyEvent& key);
    QString takeInput();
    void enterGame(const QString& wantedName);
    void ask(Question question, const QString& text);
    void drawAll();
    void drawTopBand();
    void drawStatus();
    void drawView();
    void drawPrompt();
    void placeInput();
    void drawUserCount();
    void showPlayerNote(const QString& note);
    void drawMarker();
    void addMessage(const QString& line);
    void say(const QString& text) { addMessage(noticeLine(text)); }
    void flush();

    // game_session_world.cpp: walking, the map and what lies on it
    void buildAreas();
    void walk(QPoint direction);
    void passTime();
    void wander(QList<QPoint>& changed);
    void refill();
    void arriveAt(const Place& to);
    void openChest(Chest& chest);
    MapMarks mapMarks() const;
    void redrawMapCells(const QList<QPoint>& cells);
    void showMap();
    void teleport(const Place& to);
    void die();
    QStringList conditions() const;
    CreatureGroup* groupAt(QPoint cell);

    // game_session_fight.cpp: encounters
    void startFight(int group);
    void flee(QPoint direction);
    void attackFoe(int slot);
    void playOut(const QList<FightEvent>& events);
    void addAccount(const QString& line);
    void redrawSlot(int slot);
    void afterRound();
    void endFight(bool foesBeaten);

    // game_session_commands.cpp: typed commands and list screens
    void execute(const QString& line);
    void answer(Question question, const QString& line);
    void runCommand(const Command& command);
    void useItem(int number);
    void castSpell(int number);
    void giveItem(int number);
    void exchangeItems(int first, int second);
    void bankItem(int number);
    void startMessage(const QString& to);
    void sendMessage(const QString& text);
    void describeItem(int number);
    int packSlot(int number, bool mustBeCarried);
    void showList(View view, int page = 1);
    ListScreen areaScreen() const;
    void refreshPackView();

    Realm& realm_;
    Random random_;
    Output output_;
    RecordWriter out_;

    Phase phase_ = Phase::Naming;
    Character you_;
    Place place_;
    std::vector<AreaState> areas_;
    std::optional<Fight> fight_;

    View view_ = View::Map;
    int packPage_ = 1;
    QString typed_;
    Question question_ = Question::None;
    QString questionText_;
    int exchangeFirst_ = 0;
    QString messageTo_;
    bool listKeyNext_ = false;
    bool playerNoteShown_ = false;
    QString playerNote_;
    QString quietHeadline_;  // the encounter band's between fights
    bool chestShown_ = false;
    int markedSlot_ = 0;  // the foe slot the marker is drawn at
    LinePager messages_;
    LinePager account_;
};

}  // namespace quorlak::server
