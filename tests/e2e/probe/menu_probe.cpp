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

namespace {

void Append(kzprobe::MenuDump* dump, const char* text) {
  while (*text && dump->length < kzprobe::kDumpSize - 1) dump->text[dump->length++] = *text++;
  dump->text[dump->length] = '\0';
}

void DumpLevel(kzprobe::MenuDump* dump, HMENU menu, int depth) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char caption[128] = "";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = caption;
    item.cch = sizeof caption - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) continue;
    for (int d = 0; d < depth; ++d) Append(dump, "  ");
    if (item.fType & MFT_SEPARATOR) {
      Append(dump, "---\n");
      continue;
    }
    Append(dump, caption);
    if (!item.hSubMenu) {
      char id[16];
      wsprintfA(id, " [%u]", item.wID);
      Append(dump, id);
    }
    if (item.fState & MFS_GRAYED) Append(dump, " (greyed)");
    Append(dump, "\n");
    if (item.hSubMenu) DumpLevel(dump, item.hSubMenu, depth + 1);
  }
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI KzDumpMenu(void* parameter) {
  auto* dump = static_cast<kzprobe::MenuDump*>(parameter);
  if (!dump) return 0xFFFFFFFFu;
  dump->length = 0;
  dump->text[0] = '\0';
  HMENU menu = GetMenu(dump->window);
  if (!menu) return 0xFFFFFFFFu;
  DumpLevel(dump, menu, 0);
  return static_cast<DWORD>(dump->length);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
