// What the test driver and the probe DLL share. The driver writes a request
// block into the program, runs an entry on a thread of the program on it and
// reads it back; the fault probe's state it reads and writes in place.
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxItems = 64;
struct MenuQuery {  // KzReadMenuStates: GetMenuState of each id (0xFFFFFFFF: no such item)
  HWND window;
  LONG count;
  UINT ids[kMaxItems], states[kMaxItems];
};
struct TextQuery {  // KzTextHeight: tmHeight of the control's font, -1 when unread
  HWND control;
  LONG height;
};
struct DpiChange {  // KzChangeDpi: WM_DPICHANGED with the window's suggested rectangle
  HWND window;
  LONG dpi;
  RECT suggested;
};

// The calls KzFaults hooks, and what each does to the handles the program
// holds: m its result is a new handle; 0 or 1 that argument's handle ends
// when the call succeeds; z success is a zero result (GlobalFree); k the
// driver never makes it fail.
#define KZ_HOOKS(X)                                                                   \
  X(OpenClipboard, "") X(EmptyClipboard, "") X(CloseClipboard, "k")                   \
  X(SetClipboardData, "1") X(GlobalAlloc, "m") X(GlobalLock, "") X(GlobalFree, "0zk") \
  X(GetDC, "m") X(ReleaseDC, "1k") X(LoadImageA, "m") X(CreateCompatibleDC, "m")      \
  X(CreateCompatibleBitmap, "m") X(CreateDIBSection, "m") X(CreateSolidBrush, "m")    \
  X(DeleteDC, "0k") X(DeleteObject, "0k") X(SelectObject, "") X(BitBlt, "") X(StretchBlt, "")

struct Hook {
  const char *name, *how;
};
constexpr Hook kHooks[] = {
#define KZ_HOOK_ROW(name, how) {#name, how},
    KZ_HOOKS(KZ_HOOK_ROW)
#undef KZ_HOOK_ROW
};
constexpr int kHookCount = sizeof kHooks / sizeof kHooks[0];

// KzFaultState, in the program: the plan first, then the counts.
struct FaultState {
  LONG failHook, failFirst, failLast;  // that hook's calls numbered first to last fail
  LONG calls[kHookCount];              // since the hooks went in
  LONG failed, live;                   // calls made to fail; handles made minus ended
};

}  // namespace kzprobe
