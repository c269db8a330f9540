// The shell's state: the two long-lived objects and the handles they share.
#pragma once

#include <windows.h>

#include "compose/composer.h"
#include "panel/panel.h"

namespace kz {

extern Composer composer;
extern Panel panel;
extern HINSTANCE appInstance;
extern HWND mainWindow;

// The window title and class name, from the string table.
void LoadWindowStrings(HINSTANCE instance);
void RegisterAppClass(HINSTANCE instance);
bool CreateAppWindow(HINSTANCE instance, int showState);
// Gives the panel the main window's device context to draw through.
void AttachPanelSurface(HWND window);

LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kz
