// The shell's state: the two long-lived objects and the handles they share.
#pragma once

#include <windows.h>

#include "compose/composer.h"

namespace kz {

extern Composer composer;
extern HINSTANCE appInstance;
extern HWND mainWindow;

void RegisterAppClass(HINSTANCE instance);
bool CreateAppWindow(HINSTANCE instance, int showState);
LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kz
