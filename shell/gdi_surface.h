// The panel's seams in the real program: GDI on the main window's device
// context, bitmaps from the module's resources, the section checkboxes of
// the main window and the system tick counter.
//
// The shell keeps one of each in static storage and hands them to the
// Panel: `window` as soon as the window exists, `dc` (the surface on GetDC
// of the main window, never released) after it has been shown, and `ticks`
// at any time.
#pragma once

#include <windows.h>

#include "panel/surface.h"

namespace kz {

// Draws on a window's device context. Copies load their bitmaps (and mask)
// afresh from the module's resources by numeric id, as DIB sections at
// their natural size, select them into memory device contexts compatible
// with the screen and BitBlt them; everything is released again before
// returning.
class GdiSurface final : public Surface {
 public:
  void PutPixel(int x, int y, Colour colour) override;
  int CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                 bool masked) override;

  HDC dc = nullptr;
  HINSTANCE module = nullptr;  // where the bitmaps are loaded from
};

// CheckDlgButton on the main window.
class DialogCheckboxes final : public CheckboxWindow {
 public:
  void CheckButton(int id, bool checked) override;
  HWND window = nullptr;
};

// GetTickCount.
class SystemTicks final : public TickCounter {
 public:
  std::uint32_t Ticks() override;
};

}  // namespace kz
