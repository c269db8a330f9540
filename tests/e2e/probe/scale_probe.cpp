// Measures and messages carried out inside the program; see scale_probe.h.
#include "scale_probe.h"

extern "C" __declspec(dllexport) DWORD WINAPI KzTextHeight(void* parameter) {
  auto* query = static_cast<kzprobe::TextQuery*>(parameter);
  // A control that was given no font draws with the system font.
  auto font = reinterpret_cast<HFONT>(SendMessageA(query->control, WM_GETFONT, 0, 0));
  HDC dc = GetDC(query->control);
  HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics = {};
  query->height = GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : -1;
  SelectObject(dc, previous);
  ReleaseDC(query->control, dc);
  return 1;
}

// WM_DPICHANGED, sent from the program's own process so that its rectangle
// can be passed by address.
extern "C" __declspec(dllexport) DWORD WINAPI KzChangeDpi(void* parameter) {
  auto* change = static_cast<kzprobe::DpiChange*>(parameter);
  SendMessageA(change->window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(change->dpi, change->dpi),
               reinterpret_cast<LPARAM>(&change->suggested));
  return 1;
}
