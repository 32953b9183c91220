#include "list_screens.h"

#include "catalog.h"
#include "character.h"
#include "screen_layout.h"

namespace ListScreens {

using namespace Layout;

void clearColumn(RecordWriter& out) { out.clearRect(listLeft, listTop, 511, listBottom); }

void draw(RecordWriter& out, const ListScreen& screen) {
    clearColumn(out);
    out.textAt(listX, listHeadingY, screen.heading.left(listColumnWidth));
    for (int i = 0; i < pageSize; ++i) {
        const int y = listLineY(i);
        const ListEntry entry = i < screen.entries.size() ? screen.entries[i] : ListEntry{};
        out.textAt(listX, y, listLine(screen.firstNumber + i, entry.text).left(listColumnWidth));
        // Marks must follow their own line: the client applies them to the
        // last numbered line it read.
        if (entry.banked) out.textAt(bankMarkX, y, QStringLiteral("B"));
        if (entry.worn) out.fillBox(wornMarkX, y - 4, wornMarkX + 8, y + 4);
    }
}

void drawText(RecordWriter& out, const QStringList& lines) {
    clearColumn(out);
    for (int i = 0; i < lines.size() && i <= pageSize; ++i)
        out.textAt(listX, listHeadingY + i * listLineStep, lines[i].left(listColumnWidth));
}

ListScreen inventoryPage(const Character& c, int page) {
    ListScreen screen;
    screen.heading = QStringLiteral("Pack, page %1 of %2  (%3 items)").arg(page).arg(pageCount).arg(c.itemCount());
    screen.firstNumber = (page - 1) * pageSize + 1;
    for (int slot = screen.firstNumber - 1; slot < screen.firstNumber - 1 + pageSize; ++slot) {
        const PackSlot& item = c.pack[slot];
        if (item.isEmpty()) {
            screen.entries.append(ListEntry{});
            continue;
        }
        const bool worn = slot == c.weaponSlot || slot == c.armourSlot;
        screen.entries.append(ListEntry{itemType(item.type).name, item.banked, worn});
    }
    return screen;
}

ListScreen status(const Character& c) {
    auto row = [](const QString& label, const QString& value) { return ListEntry{label.leftJustified(10) + value}; };
    ListScreen screen;
    screen.heading = QStringLiteral("Status of %1").arg(c.name);
    screen.entries = {
        row("Level", QString::number(c.level)),
        row("Health", QStringLiteral("%1/%2").arg(c.health).arg(c.maxHealth())),
        row("Mana", QStringLiteral("%1/%2").arg(c.mana).arg(c.maxMana())),
        row("Food", QString::number(c.food)),
        row("Gold", withThousands(c.gold)),
        row("Exp", withThousands(c.experience)),
        row("Next", withThousands(c.experienceForNextLevel())),
        row("Attack", QString::number(c.attack())),
        row("Defence", QString::number(c.defence())),
        row("Weapon", c.weaponName()),
        row("Armour", c.armourName()),
        row("Kills", QString::number(c.kills)),
        row("Deaths", QString::number(c.deaths)),
        row("Moves", QString::number(c.moves)),
    };
    return screen;
}

ListScreen spells(const Character& c) {
    ListScreen screen;
    screen.heading = QStringLiteral("Spells  (mana %1/%2, cast with P)").arg(c.mana).arg(c.maxMana());
    for (const SpellType& spell : spellTypes()) {
        const QString cost = spell.level <= c.level ? QStringLiteral("%1 mana").arg(spell.mana)
                                                    : QStringLiteral("from level %1").arg(spell.level);
        screen.entries.append(ListEntry{spell.name.leftJustified(12) + cost});
    }
    return screen;
}

ListScreen players(const QString& heading, const QList<PlayerSummary>& players) {
    ListScreen screen;
    screen.heading = heading;
    for (const PlayerSummary& p : players.mid(0, pageSize)) {
        QString text = p.name.leftJustified(13) + QStringLiteral("level %1").arg(p.level, -3);
        text += p.isYou ? QStringLiteral("(you)") : p.areaName;
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

}  // namespace ListScreens
