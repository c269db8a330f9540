// Measures and messages carried out inside the program; see scale_probe.h.
#include "scale_probe.h"

extern "C" __declspec(dllexport) DWORD WINAPI KzTextHeights(void* parameter) {
  auto* query = static_cast<kzprobe::TextQuery*>(parameter);
  if (query->count < 0 || query->count > 8) return 0;
  for (LONG i = 0; i < query->count; ++i) {
    HWND control = query->controls[i];
    // A control that was given no font draws with the system font.
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics = {};
    query->heights[i] = GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : -1;
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
  }
  return static_cast<DWORD>(query->count);
}

// WM_DPICHANGED, sent from the program's own process so that its rectangle
// can be passed by address.
extern "C" __declspec(dllexport) DWORD WINAPI KzChangeDpi(void* parameter) {
  auto* change = static_cast<kzprobe::DpiChange*>(parameter);
  const WPARAM dpi = MAKEWPARAM(change->dpi, change->dpi);
  SendMessageA(change->window, 0x02E0 /* WM_DPICHANGED */, dpi,
               reinterpret_cast<LPARAM>(&change->suggested));
  return 1;
}
