// The request block shared by the test driver and the menu probe DLL. The
// driver writes it into the program's memory, runs the probe's entry on a
// thread of the program and reads the block back.
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxItems = 96;

// Item state that could not be read (no such item, or no menu).
constexpr UINT kNoItem = 0xFFFFFFFFu;

struct MenuQuery {
  HWND window;              // whose menu bar to read
  LONG count;               // number of ids below, at most kMaxItems
  UINT ids[kMaxItems];      // command ids, addressed MF_BYCOMMAND
  UINT states[kMaxItems];   // GetMenuState results, filled in by the probe
};

}  // namespace kzprobe

// Name of the probe's entry, undecorated (the DLL is linked with --kill-at).
#define KZPROBE_ENTRY_NAME "KzReadMenuStates"
