#include "list_screens.h"

#include "catalog.h"
#include "character.h"
#include "screen_layout.h"
#include "screen_lines.h"

namespace quorlak::server::list_screens {

using namespace layout;

namespace {

constexpr int kLabelWidth = 10;
constexpr int kSpellNameWidth = 12;
constexpr int kPlayerNameWidth = 13;

}  // namespace

void clearColumn(RecordWriter& out) { out.clearRect(kListLeft, kListTop, kDisplayRight, kListBottom); }

void draw(RecordWriter& out, const ListScreen& screen) {
    clearColumn(out);
    out.textAt(kListHeadingX, kListHeadingY, screen.heading.left(kListColumnWidth));
    for (int i = 0; i < kPageSize; ++i) {
        const int y = listLineY(i);
        const ListEntry entry = i < screen.entries.size() ? screen.entries[i] : ListEntry{};
        out.textAt(kListX, y, listLine(screen.firstNumber + i, entry.text).left(kListColumnWidth));
        // Marks must follow their own line: the client applies them to the
        // last numbered line it read.
        if (entry.banked) out.textAt(kBankMarkX, y, QStringLiteral("B"));
        if (entry.worn)
            out.fillBox(kWornMarkX, y - kWornMarkSize / 2, kWornMarkX + kWornMarkSize, y + kWornMarkSize / 2);
    }
}

void drawText(RecordWriter& out, const QStringList& lines) {
    clearColumn(out);
    for (int i = 0; i < lines.size() && i <= kPageSize; ++i)
        out.textAt(kListX, kListHeadingY + i * kListLineStep, lines[i].left(kListColumnWidth));
}

ListScreen inventoryPage(const Character& character, int page) {
    ListScreen screen;
    screen.heading =
        QStringLiteral("Pack, page %1 of %2  (%3 items)").arg(page).arg(kPageCount).arg(character.itemCount());
    screen.firstNumber = (page - 1) * kPageSize + 1;
    for (int slot = screen.firstNumber - 1; slot < screen.firstNumber - 1 + kPageSize; ++slot) {
        const PackSlot& item = character.pack[slot];
        if (item.isEmpty()) {
            screen.entries.append(ListEntry{});
            continue;
        }
        const bool worn = slot == character.weaponSlot || slot == character.armourSlot;
        screen.entries.append(ListEntry{itemType(item.type).name, item.banked, worn});
    }
    return screen;
}

ListScreen status(const Character& character) {
    auto row = [](const QString& label, const QString& value) {
        return ListEntry{label.leftJustified(kLabelWidth) + value};
    };
    ListScreen screen;
    screen.heading = QStringLiteral("Status of %1").arg(character.name);
    screen.entries = {
        row("Level", QString::number(character.level)),
        row("Health", QStringLiteral("%1/%2").arg(character.health).arg(character.maxHealth())),
        row("Mana", QStringLiteral("%1/%2").arg(character.mana).arg(character.maxMana())),
        row("Food", QString::number(character.food)),
        row("Gold", withThousands(character.gold)),
        row("Exp", withThousands(character.experience)),
        row("Next", withThousands(character.experienceForNextLevel())),
        row("Attack", QString::number(character.attack())),
        row("Defence", QString::number(character.defence())),
        row("Weapon", character.weaponName()),
        row("Armour", character.armourName()),
        row("Kills", QString::number(character.kills)),
        row("Deaths", QString::number(character.deaths)),
        row("Moves", QString::number(character.moves)),
    };
    return screen;
}

ListScreen spells(const Character& character) {
    ListScreen screen;
    screen.heading = QStringLiteral("Spells  (mana %1/%2, cast with P)").arg(character.mana).arg(character.maxMana());
    for (const SpellType& spell : spellTypes()) {
        const QString cost = spell.level <= character.level ? QStringLiteral("%1 mana").arg(spell.mana)
                                                            : QStringLiteral("from level %1").arg(spell.level);
        screen.entries.append(ListEntry{spell.name.leftJustified(kSpellNameWidth) + cost});
    }
    return screen;
}

ListScreen players(const QString& heading, const QList<PlayerSummary>& players) {
    ListScreen screen;
    screen.heading = heading;
    for (const PlayerSummary& player : players.mid(0, kPageSize)) {
        QString text = player.name.leftJustified(kPlayerNameWidth) + QStringLiteral("level %1").arg(player.level, -3);
        text += player.isYou ? QStringLiteral("(you)") : player.areaName;
        screen.entries.append(ListEntry{text});
    }
    return screen;
}

QStringList help() {
    return {
        QStringLiteral("Keys and commands"),
        QStringLiteral("Arrows    walk; in a fight, try to flee"),
        QStringLiteral("Enter     in a fight, hit the marked foe"),
        QStringLiteral("n Enter   in a fight, attack foe n"),
        QStringLiteral("F7 then   1-6 pack, s status, S spells,"),
        QStringLiteral("          c company, a area, e everyone"),
        QStringLiteral("U3        use item 3 (eat, drink, wield)"),
        QStringLiteral("P1        cast spell 1"),
        QStringLiteral("G3        give item 3 to a player or foe"),
        QStringLiteral("X3,7      swap items 3 and 7"),
        QStringLiteral("bi3       bank item 3, or fetch it back"),
        QStringLiteral("Mpann     send a message to ann"),
        QStringLiteral("say hi    talk here; shout hi: to all"),
        QStringLiteral("Esc clears, F5 redraws, F1 this help"),
    };
}

}  // namespace quorlak::server::list_screens
