// DPI functions that older Windows (and older Wine) lack are looked up at
// run time, so that one program runs everywhere from Windows 7 on.
#include "shell/scale.h"

namespace kz {
namespace {

constexpr int kBaseDpi = 96;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A user32 function by name, or null; looked up at each (rare) use, as a
// static would bring in the C++ run-time's guards. Cast through the generic
// function type, which any function type converts to and from.
template <class Function>
Function User32(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int ScaleForDpi(int dpi) {
  const int k = (dpi + kBaseDpi / 2) / kBaseDpi;
  return k < 1 ? 1 : k;
}

int WindowDpi(HWND window) {
  const auto getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

SIZE OuterSize(HWND window, int width, int height, int dpi) {
  const auto adjustForDpi = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  const BOOL menu = GetMenu(window) != nullptr;
  RECT r = {0, 0, width, height};
  if (!adjustForDpi || !adjustForDpi(&r, style, menu, extendedStyle, static_cast<UINT>(dpi))) {
    r = {0, 0, width, height};
    AdjustWindowRectEx(&r, style, menu, extendedStyle);
  }
  return {r.right - r.left, r.bottom - r.top};
}

HFONT CreateControlFont(int k) {
  const int systemDpi = SystemDpi();
  if (k == 1 && systemDpi == kBaseDpi) return nullptr;
  LOGFONTA font = {};
  if (!GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font)) return nullptr;
  // The system font is made for the system's DPI: back to 96, then k
  // times, its letters as wide as that height makes them.
  font.lfHeight = MulDiv(font.lfHeight, kBaseDpi * k, systemDpi);
  font.lfWidth = 0;
  return CreateFontIndirectA(&font);
}

}  // namespace kz
