// The window's display scale. The panel draws in 96-DPI pixels; the window
// shows each of them as k x k screen pixels, k the whole number nearest to
// DPI / 96 (at least 1), and places its controls k times as far and large.
#pragma once

#include <windows.h>

namespace kz {

int ScaleForDpi(int dpi);

// The DPI of the screen the window is on; the system's where Windows cannot
// tell per window (before Windows 10).
int WindowDpi(HWND window);

// The outer size that gives `window` a client area of width x height at
// `dpi`, for its own styles and menu bar.
SIZE OuterSize(HWND window, int width, int height, int dpi);

// The font of the controls at scale k: the system font's 96-DPI size, k
// times. Null at k = 1 on a 96-DPI system, where the controls keep the
// system font itself. The caller deletes it.
HFONT CreateControlFont(int k);

}  // namespace kz
