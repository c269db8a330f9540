// The shell's state: the running Kudomat Zub and the handles it shares.
#pragma once

#include <windows.h>

#include "midend/kudomat_zub.h"

namespace kz {

extern KudomatZub app;
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
