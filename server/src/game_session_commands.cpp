// Typed commands, the questions that complete them, and the list screens.

#include "game_session.h"

#include "catalog.h"
#include "command_parser.h"
#include "encounter_view.h"
#include "list_screens.h"
#include "realm.h"
#include "screen_layout.h"

namespace quorlak::server {

namespace {

int pageOf(int number) { return (number - 1) / layout::kPageSize + 1; }

QString describe(const ItemType& item) {
    switch (item.kind) {
        case ItemKind::Weapon: return QStringLiteral("a weapon, attack +%1").arg(item.power);
        case ItemKind::Armour: return QStringLiteral("armour, defence +%1").arg(item.power);
        case ItemKind::Food: return QStringLiteral("food, +%1").arg(item.power);
        case ItemKind::Potion: return QStringLiteral("heals %1").arg(item.power);
        case ItemKind::ManaPotion: return QStringLiteral("restores %1 mana").arg(item.power);
        case ItemKind::Scroll: return QStringLiteral("takes you back to town");
        case ItemKind::Valuable: return QStringLiteral("worth %1 gold in town").arg(item.value);
        case ItemKind::Tool: return QStringLiteral("a useful thing");
    }
    return {};
}

}  // namespace

void GameSession::execute(const QString& line) {
    if (question_ != Question::None) {
        const Question pending = question_;
        ask(Question::None, kIdleQuestion);
        answer(pending, line);
        return;
    }
    runCommand(parseCommand(line));
}

void GameSession::answer(Question question, const QString& line) {
    if (question == Question::MessageText) {
        sendMessage(line.trimmed());
        return;
    }
    const Command reply = parseCommand(line);
    if (reply.kind != Command::Kind::Number) {
        say(QStringLiteral("That needs a number; nothing done."));
        return;
    }
    switch (question) {
        case Question::Use: useItem(reply.first); break;
        case Question::Cast: castSpell(reply.first); break;
        case Question::Give: giveItem(reply.first); break;
        case Question::Bank: bankItem(reply.first); break;
        case Question::Exchange: exchangeItems(exchangeFirst_, reply.first); break;
        default: break;
    }
}

void GameSession::runCommand(const Command& command) {
    using Kind = Command::Kind;
    switch (command.kind) {
        case Kind::Empty:
            if (fight_) attackFoe(0);
            break;
        case Kind::Number:
            if (fight_) attackFoe(command.first);
            else describeItem(command.first);
            break;
        case Kind::Use:
            if (command.first == 0) ask(Question::Use, QStringLiteral("Use which item?"));
            else useItem(command.first);
            break;
        case Kind::Cast:
            if (command.first == 0) {
                showList(View::Spells);
                ask(Question::Cast, QStringLiteral("Cast which spell?"));
            } else {
                castSpell(command.first);
            }
            break;
        case Kind::Give:
            if (command.first == 0) ask(Question::Give, QStringLiteral("Give which item?"));
            else giveItem(command.first);
            break;
        case Kind::Exchange:
            if (command.first == 0) {
                say(QStringLiteral("X3,7 swaps items 3 and 7."));
            } else if (command.second == 0) {
                exchangeFirst_ = command.first;
                ask(Question::Exchange, QStringLiteral("Swap with which item?"));
            } else {
                exchangeItems(command.first, command.second);
            }
            break;
        case Kind::Bank:
            if (command.first == 0) ask(Question::Bank, QStringLiteral("Bank which item?"));
            else bankItem(command.first);
            break;
        case Kind::Message:
            if (command.text.isEmpty()) say(QStringLiteral("Mp and a name sends that player a message."));
            else startMessage(command.text);
            break;
        case Kind::Say:
        case Kind::Shout:
            if (command.text.isEmpty()) break;
            addMessage(ownSpeechLine(command.text));
            if (command.kind == Kind::Say) realm_.talk(*this, 'R', command.text, false);
            else realm_.talk(*this, 'G', command.text, true);
            break;
        case Kind::Help: showList(View::Help); break;
        case Kind::Unknown: say(QStringLiteral("Unknown command; F1 shows them all.")); break;
    }
}

int GameSession::packSlot(int number, bool mustBeCarried) {
    if (number < 1 || number > Character::kPackSize || you_.pack[number - 1].isEmpty()) {
        say(QStringLiteral("There is no item %1 in your pack.").arg(number));
        return -1;
    }
    if (mustBeCarried && you_.pack[number - 1].banked) {
        say(QStringLiteral("The %1 is in the bank; bi%2 fetches it.")
                .arg(itemType(you_.pack[number - 1].type).name)
                .arg(number));
        return -1;
    }
    return number - 1;
}

void GameSession::useItem(int number) {
    const int slot = packSlot(number, true);
    if (slot < 0) return;
    const ItemType& item = itemType(you_.pack[slot].type);
    bool takesTurn = true;
    switch (item.kind) {
        case ItemKind::Weapon:
            you_.weaponSlot = slot;
            say(QStringLiteral("You wield the %1.").arg(item.name));
            break;
        case ItemKind::Armour:
            you_.armourSlot = slot;
            say(QStringLiteral("You put on the %1.").arg(item.name));
            break;
        case ItemKind::Food:
            you_.eat(item.power);
            you_.removeItem(slot);
            say(QStringLiteral("You eat the %1. Food %2.").arg(item.name).arg(you_.food));
            break;
        case ItemKind::Potion:
            you_.heal(item.power);
            you_.removeItem(slot);
            say(QStringLiteral("You drink the %1. Health %2.").arg(item.name).arg(you_.health));
            break;
        case ItemKind::ManaPotion:
            you_.restoreMana(item.power);
            you_.removeItem(slot);
            say(QStringLiteral("You drink the %1. Mana %2.").arg(item.name).arg(you_.mana));
            break;
        case ItemKind::Scroll:
            if (fight_) {
                say(QStringLiteral("There is no time to read in a fight."));
                return;
            }
            you_.removeItem(slot);
            teleport(world::startPlace());
            say(QStringLiteral("The scroll crumbles and you stand in Quorlak Town."));
            return;
        case ItemKind::Valuable:
            takesTurn = false;
            if (place_.area != world::startPlace().area) {
                say(QStringLiteral("The %1 can be sold in Quorlak Town.").arg(item.name));
                return;
            }
            you_.gold += item.value;
            you_.removeItem(slot);
            say(QStringLiteral("You sell the %1 for %2 gold.").arg(item.name).arg(item.value));
            break;
        case ItemKind::Tool:
            takesTurn = false;
            say(item.name == QLatin1String("Torch") ? QStringLiteral("The torch flickers; the ice glitters.")
                                                    : QStringLiteral("You coil the %1 neatly.").arg(item.name));
            break;
    }
    drawStatus();
    refreshPackView();
    if (fight_ && takesTurn) {
        playOut(fight_->foesTurn(you_, random_));
        afterRound();
    }
}

void GameSession::castSpell(int number) {
    const QList<SpellType>& spells = spellTypes();
    if (number < 1 || number > spells.size()) {
        say(QStringLiteral("There is no spell %1; F7 S lists them.").arg(number));
        return;
    }
    const SpellType& spell = spells[number - 1];
    if (you_.level < spell.level) {
        say(QStringLiteral("You learn %1 at level %2.").arg(spell.name).arg(spell.level));
        return;
    }
    if (you_.mana < spell.mana) {
        say(QStringLiteral("Not enough mana for %1.").arg(spell.name));
        return;
    }
    const int index = number - 1;
    const bool needsFoe = index == spell::FrostBolt || index == spell::Fireball;
    if (needsFoe && !fight_) {
        say(QStringLiteral("There is nothing here to cast %1 at.").arg(spell.name));
        return;
    }
    if (index == spell::Recall && fight_) {
        say(QStringLiteral("Recall will not work in a fight."));
        return;
    }
    you_.mana -= spell.mana;
    QList<FightEvent> events;
    switch (index) {
        case spell::FrostBolt: {
            const int slot = fight_->target;
            encounter_view::drawBolt(out_, *fight_, slot);
            events = fight_->strike(you_, random_, slot, random_.between(4, 8) + you_.level);
            break;
        }
        case spell::Fireball:
            for (int slot = 1; slot <= fight_->foes.size(); ++slot) {
                if (fight_->foes[slot - 1].isFighting()) encounter_view::drawBolt(out_, *fight_, slot);
            }
            events = fight_->strikeAll(you_, random_, 3, 8 + you_.level / 2);
            break;
        case spell::Heal:
            you_.heal(15);
            say(QStringLiteral("Warm light heals you. Health %1.").arg(you_.health));
            break;
        case spell::Warmth:
            you_.poisonedFor = 0;
            you_.eat(20);
            say(QStringLiteral("Warmth fills you. Poison gone, food %1.").arg(you_.food));
            break;
        case spell::Recall:
            teleport(world::startPlace());
            say(QStringLiteral("The air folds, and you are in town."));
            return;
    }
    drawStatus();
    if (view_ == View::Spells) drawView();
    if (fight_) {
        if (events.isEmpty()) events = fight_->foesTurn(you_, random_);
        playOut(events);
        afterRound();
    }
}

void GameSession::giveItem(int number) {
    const int slot = packSlot(number, true);
    if (slot < 0) return;
    if (fight_) {
        playOut(fight_->offer(you_, random_, slot));
        refreshPackView();
        afterRound();
        return;
    }
    const QList<GameSession*> here = realm_.playersAt(place_.area, this);
    if (here.isEmpty()) {
        say(QStringLiteral("There is nobody here to give it to."));
        return;
    }
    GameSession* receiver = here.first();
    const int type = you_.pack[slot].type;
    if (!receiver->receive(you_.name, type)) {
        say(QStringLiteral("%1 cannot carry any more.").arg(receiver->name()));
        return;
    }
    you_.removeItem(slot);
    say(QStringLiteral("You give the %1 to %2.").arg(itemType(type).name, receiver->name()));
    drawStatus();
    refreshPackView();
}

void GameSession::exchangeItems(int first, int second) {
    const auto valid = [](int n) { return n >= 1 && n <= Character::kPackSize; };
    if (!valid(first) || !valid(second) || first == second) {
        say(QStringLiteral("Swap needs two different numbers from 1 to %1.").arg(Character::kPackSize));
        return;
    }
    you_.swapItems(first - 1, second - 1);
    say(QStringLiteral("Items %1 and %2 swapped.").arg(first).arg(second));
    showList(View::Pack, pageOf(first));
}

void GameSession::bankItem(int number) {
    const int slot = packSlot(number, false);
    if (slot < 0) return;
    PackSlot& item = you_.pack[slot];
    const QString name = itemType(item.type).name;
    if (item.banked) {
        item.banked = false;
        say(QStringLiteral("The %1 is back from the bank.").arg(name));
    } else {
        if (you_.weaponSlot == slot) you_.weaponSlot = -1;
        if (you_.armourSlot == slot) you_.armourSlot = -1;
        item.banked = true;
        say(QStringLiteral("The %1 is safe in the bank now.").arg(name));
    }
    drawStatus();
    drawTopBand();
    showList(View::Pack, pageOf(number));
}

void GameSession::startMessage(const QString& to) {
    const GameSession* other = realm_.find(to);
    if (!other) {
        say(QStringLiteral("Nobody called %1 is here.").arg(to.trimmed()));
        return;
    }
    if (other == this) {
        say(QStringLiteral("You mutter to yourself."));
        return;
    }
    messageTo_ = other->name();
    ask(Question::MessageText, QStringLiteral("To %1:").arg(messageTo_));
}

void GameSession::sendMessage(const QString& text) {
    GameSession* other = realm_.find(messageTo_);
    if (!other) {
        say(QStringLiteral("%1 has gone.").arg(messageTo_));
    } else if (text.isEmpty()) {
        say(QStringLiteral("Nothing sent."));
    } else {
        other->hear('P', you_.name, text);
        say(QStringLiteral("You tell %1: %2").arg(messageTo_, text));
    }
}

void GameSession::describeItem(int number) {
    const int slot = packSlot(number, false);
    if (slot < 0) return;
    const PackSlot& item = you_.pack[slot];
    QString text =
        QStringLiteral("%1: %2, %3").arg(number).arg(itemType(item.type).name, describe(itemType(item.type)));
    if (item.banked) text += QStringLiteral(" (in the bank)");
    else if (slot == you_.weaponSlot || slot == you_.armourSlot) text += QStringLiteral(" (worn)");
    say(text);
}

void GameSession::showList(View view, int page) {
    view_ = view;
    if (view == View::Pack) packPage_ = qBound(1, page, layout::kPageCount);
    drawView();
}

void GameSession::refreshPackView() {
    if (view_ == View::Pack) drawView();
}

ListScreen GameSession::areaScreen() const {
    const Area& area = world::area(place_.area);
    ListScreen screen;
    screen.heading = QStringLiteral("%1  (exits %2)").arg(area.name, world::exitsOf(place_.area));
    auto add = [&](const QString& what, QPoint cell) {
        screen.entries.append({QStringLiteral("%1 at %2,%3").arg(what).arg(cell.x()).arg(cell.y())});
    };
    add(QStringLiteral("You"), place_.cell);
    for (const GameSession* other : realm_.playersAt(place_.area, this))
        add(QStringLiteral("Player ") + other->name(), other->place().cell);
    for (const CreatureGroup& group : areas_[place_.area].groups) {
        if (!group.present) continue;
        const QString name = creatureType(group.creatures.first()).name;
        add(group.creatures.size() == 1 ? name : QStringLiteral("%1 x%2").arg(name).arg(group.creatures.size()),
            group.cell);
    }
    for (const Chest& chest : areas_[place_.area].chests)
        add(chest.closed ? QStringLiteral("Treasure chest") : QStringLiteral("Empty chest"), chest.cell);
    for (int y = 0; y < area.plan.size(); ++y) {
        for (int x = 0; x < area.plan[y].size(); ++x) {
            if (area.plan[y][x] == QChar(tile::kShrine)) add(QStringLiteral("Shrine"), {x, y});
            else if (area.plan[y][x] == QChar(tile::kBank)) add(QStringLiteral("Bank"), {x, y});
        }
    }
    screen.entries = screen.entries.mid(0, layout::kPageSize);
    return screen;
}

}  // namespace quorlak::server
