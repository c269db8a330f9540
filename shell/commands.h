// The main window's command handling: buttons, checkboxes, menu and Ctrl+R.
#pragma once

#include <windows.h>

namespace kz {

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam, HMENU menu);

}  // namespace kz
