#include "shell/menu_state.h"

#include "panel/panel.h"
#include "shell/menu_rules.h"

namespace kz {

void UpdateMenuState(HMENU menu, int commandId, bool flag, HWND window) {
  bool checked[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) {
    checked[s] = IsDlgButtonChecked(window, kSectionCheckboxes[s]) == BST_CHECKED;
  }
  const MenuChanges changes = MenuRuleChanges(commandId, flag, checked);
  for (int i = 0; i < changes.count; ++i) {
    const MenuChange& change = changes.items[i];
    EnableMenuItem(menu, static_cast<UINT>(change.id),
                   MF_BYCOMMAND | (change.greyed ? MF_GRAYED : MF_ENABLED));
  }
}

}  // namespace kz
