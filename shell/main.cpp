// Entry point: start-up in its fixed order, then the message loop.
#include <windows.h>

#include "resources/resource_ids.h"
#include "shell/app.h"

using namespace kz;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
  LoadWindowStrings(instance);
  RegisterAppClass(instance);
  if (!CreateAppWindow(instance, showState)) return 1;
  SetWindowPos(mainWindow, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE);
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));

  AttachPanelSurface(mainWindow);

  app.Start();
  ShowPanelChanges();

  // Zeroed, so that a failing GetMessageA (-1) ends the program with code 0.
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Translated for the message's own window: Ctrl+R reaches the main
    // window only while it has the focus itself. Then the dialog keys:
    // Tab, Shift+Tab, Enter and Space among the controls.
    if (!TranslateAcceleratorA(msg.hwnd, accelerators, &msg) &&
        !IsDialogMessageA(mainWindow, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
