// A small DLL that the test driver loads into the running program to read
// its menu item states from inside, where GetMenuState is reliable. It is
// started as a thread entry by CreateRemoteThread; the argument points to a
// MenuQuery in the program's memory.
#include "menu_probe.h"

extern "C" __declspec(dllexport) DWORD WINAPI KzReadMenuStates(void* parameter) {
  auto* query = static_cast<kzprobe::MenuQuery*>(parameter);
  if (!query) return 0xFFFFFFFFu;
  HMENU menu = GetMenu(query->window);
  if (!menu) return 0xFFFFFFFFu;
  LONG count = query->count;
  if (count < 0) count = 0;
  if (count > kzprobe::kMaxItems) count = kzprobe::kMaxItems;
  for (LONG i = 0; i < count; ++i) {
    query->states[i] = GetMenuState(menu, query->ids[i], MF_BYCOMMAND);
  }
  return static_cast<DWORD>(count);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
