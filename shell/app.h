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
// Gives the panel its picture to draw into, shown on `window`. If GDI cannot
// make the picture the panel draws nothing; the controls still work.
void AttachPanelSurface(HWND window);
// Shows on the window what the panel has drawn since it was last shown.
void ShowPanelChanges();

LRESULT CALLBACK AppWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kz
