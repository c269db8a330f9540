// Applies the menu greying rules to the real menu.
#pragma once

#include <windows.h>

namespace kz {

// Runs the rule of `commandId` with `flag`, then the checkbox rules, reading
// the section checkboxes of `window`.
void UpdateMenuState(HMENU menu, int commandId, bool flag, HWND window);

}  // namespace kz
