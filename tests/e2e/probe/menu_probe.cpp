// Loaded into the running program to read its menu item states from inside, where
// GetMenuState is reliable; run as a remote thread on a MenuQuery in the program.
#include "menu_probe.h"

extern "C" __declspec(dllexport) DWORD WINAPI KzReadMenuStates(void* parameter) {
  auto* query = static_cast<kzprobe::MenuQuery*>(parameter);
  HMENU menu = query ? GetMenu(query->window) : nullptr;
  if (!menu || query->count < 0 || query->count > kzprobe::kMaxItems) return 0xFFFFFFFFu;
  for (LONG i = 0; i < query->count; ++i) {
    query->states[i] = GetMenuState(menu, query->ids[i], MF_BYCOMMAND);
  }
  return static_cast<DWORD>(query->count);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
