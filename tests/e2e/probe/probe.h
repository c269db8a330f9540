// What the test driver and the probe DLL share: the request blocks it runs the
// probe's entries on, in the program, and the fault probe's table and state.
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxItems = 64;
// KzReadMenuStates: GetMenuState of each id (0xFFFFFFFF: no such item)
struct MenuQuery { HWND window; LONG count; UINT ids[kMaxItems], states[kMaxItems]; };
// KzTextHeight: tmHeight of the control's font, -1 when unread
struct TextQuery { HWND control; LONG height; };
// KzChangeDpi: WM_DPICHANGED with the window's suggested rectangle
struct DpiChange { HWND window; LONG dpi; RECT suggested; };

// KzHighContrast: SPI_GETHIGHCONTRAST answers `on` from now on; the system
// colours given are set, and the window told that both changed
struct HighContrast { HWND window; LONG on, count; INT elements[4]; COLORREF colours[4]; };

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

struct Hook { const char *name, *how; };
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
