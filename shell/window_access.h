// The window for keyboard, screen-reader and high-contrast users: the knobs'
// keyboard stops, the panel's IAccessible and the WinEvents that say what
// changed, and the panel shown in the system's colours with a focus ring.
#pragma once

#include <windows.h>

#include "shell/panel_picture.h"

namespace kz {

// Once the window's controls exist, on the window's thread.
void AttachAccessibility(HWND window, HINSTANCE instance);
// As the window goes: clients still holding the panel's object are refused.
void DetachAccessibility();
// WM_GETOBJECT: the panel's object for OBJID_CLIENT, the system's otherwise.
LRESULT OnGetObject(HWND window, WPARAM wParam, LPARAM lParam);
// WM_SYSCOLORCHANGE, WM_SETTINGCHANGE: high contrast and its colours read
// again, and the panel repainted if they change what it shows.
void OnSettingChange(HWND window);
// A mouse press: the focus ring hides until the keyboard is used again.
void OnMouseUse(HWND window);
// WM_UPDATEUISTATE: whether keyboard cues (the focus ring) show from now on.
void OnUiStateChange(WPARAM wParam);
// Shows `part` of the panel's picture on `target` at scale k, as it is to
// be seen: in the system's colours under high contrast, with the focus
// ring while keyboard cues show.
void ShowPanel(HDC target, const RECT& part, int k, const PanelPicture& picture);
// Tells screen readers what has changed on the panel since the last call.
void AnnounceChanges(HWND window);

}  // namespace kz
