// The panel's surface in the real program: GDI on the panel's picture (a
// memory bitmap, see panel_picture.h), bitmaps from the module's resources.
// It notes what it changed, for the window to show.
#pragma once

#include <windows.h>

#include "panel/surface.h"

namespace kz {

// Draws on a device context. Copies load their bitmaps (and mask)
// afresh from the module's resources by numeric id, as DIB sections at
// their natural size, select them into memory device contexts compatible
// with the screen and BitBlt them; everything is released again before
// returning.
class GdiSurface final : public Surface {
 public:
  void PutPixel(int x, int y, Colour colour) override;
  int CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                 bool masked) override;

  // The part drawn since the last call, in panel pixels; empty afterwards.
  RECT TakeChanged();

  HDC dc = nullptr;
  HINSTANCE module = nullptr;  // where the bitmaps are loaded from

 private:
  void Changed(int x, int y, int width, int height);
  RECT changed_ = {};
};

}  // namespace kz
