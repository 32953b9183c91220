// PLACEHOLDER: replaced by the input implementation.
#include "input/panel_actions.h"
namespace quorlak {
void PanelActions::itemsMouseDown(int, int) {}
void PanelActions::itemAction(ItemAction) {}
void PanelActions::itemsSelected(int) {}
void PanelActions::itemsScrolled(int) {}
void PanelActions::messageSelected(int64_t) {}
void PanelActions::tabClicked(int) {}
void PanelActions::tabsMouseDown(int) {}
}  // namespace quorlak
