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

// The whole menu bar as text, one item a line: two blanks of indent per
// level, the caption, then " [id]" for a command, " (greyed)" when greyed;
// a separator is "---".
constexpr int kDumpSize = 8192;

struct MenuDump {
  HWND window;
  LONG length;            // filled in by the probe
  char text[kDumpSize];
};

}  // namespace kzprobe

// Names of the probe's entries, undecorated (the DLL is linked with --kill-at).
#define KZPROBE_ENTRY_NAME "KzReadMenuStates"
#define KZPROBE_DUMP_NAME "KzDumpMenu"
