// The Help and About dialogs.
#pragma once

#include <windows.h>

namespace kz {

// Shared by both dialogs: OK, Enter, Esc and the close box end them.
INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs dialog `dialogId` modally over `owner`.
void ShowInfoDialog(HINSTANCE instance, HWND owner, int dialogId);

}  // namespace kz
