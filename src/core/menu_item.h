#pragma once
// The menu items the core acts on, with the names the window gives their
// actions and the replay scripts use.

#include <optional>
#include <string_view>

namespace quorlak {

enum class MenuItem { TextBoxMode, DelayMode, ViewLog, CastSpell, Use, Give, Exchange, Bank };

struct MenuItemName {
    MenuItem item;
    std::string_view name;
};

inline constexpr MenuItemName kMenuItemNames[] = {
    {MenuItem::TextBoxMode, "mnutextbox"}, {MenuItem::DelayMode, "mnudelay"}, {MenuItem::ViewLog, "mnuviewlog"},
    {MenuItem::CastSpell, "mnuSpell"},     {MenuItem::Use, "mnuUse"},         {MenuItem::Give, "mnugive"},
    {MenuItem::Exchange, "mnuXchange"},    {MenuItem::Bank, "mnuBank"},
};

constexpr std::string_view menuItemName(MenuItem item) {
    for (const auto& entry : kMenuItemNames)
        if (entry.item == item) return entry.name;
    return {};
}

constexpr std::optional<MenuItem> menuItemNamed(std::string_view name) {
    for (const auto& entry : kMenuItemNames)
        if (entry.name == name) return entry.item;
    return std::nullopt;
}

}  // namespace quorlak
