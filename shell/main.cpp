// Entry point: the main window, then the message loop.
#include <windows.h>

#include <memory>

#include "resources/resource_ids.h"
#include "shell/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
  // The window's object holds the word bank (800 KB): on the heap.
  const auto main = std::make_unique<kz::MainWindow>(instance);
  if (!main->Create(showState)) return 1;
  HWND window = main->Handle();
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  // Zeroed, so that a failing GetMessageA (-1) ends the program with code 0.
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Translated for the message's own window: Ctrl+R reaches the main
    // window only while it has the focus itself. Then the dialog keys:
    // Tab, Shift+Tab, Enter and Space among the controls.
    if (!TranslateAcceleratorA(msg.hwnd, accelerators, &msg) && !IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
