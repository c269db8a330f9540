// The panel's surface in the real program: GDI on the main window's device
// context (taken with GetDC once the window has been shown, never
// released), bitmaps from the module's resources.
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

}  // namespace kz
