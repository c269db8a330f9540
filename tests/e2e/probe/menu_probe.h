// The request block shared by the test driver and the menu probe DLL. The
// driver writes it into the program's memory, runs the probe's entry on a
// thread of the program with it and reads the block back.
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxItems = 64;
struct MenuQuery {
  HWND window;             // whose menu bar to read
  LONG count;              // number of ids below, at most kMaxItems
  UINT ids[kMaxItems];     // command ids, addressed MF_BYCOMMAND
  UINT states[kMaxItems];  // GetMenuState results (0xFFFFFFFF: no such item)
};

}  // namespace kzprobe

// The probe's entry, undecorated (the DLL is linked with --kill-at).
#define KZPROBE_ENTRY_NAME "KzReadMenuStates"
