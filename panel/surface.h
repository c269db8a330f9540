// The seam through which the panel draws: a surface with the bitmaps it
// copies from. In the window it is GDI (shell/gdi_surface.h); on the page
// and natively an in-memory raster (panel/raster.h).
#pragma once

#include <cstdint>

#include "panel/art_layout.h"

namespace kz {

class Surface {
 public:
  // Sets one pixel; points outside the surface are ignored.
  virtual void PutPixel(int x, int y, Colour colour) = 0;

  // Copies the width x height rectangle at (srcX, srcY) of bitmap
  // `bitmapId` to (x, y). Each surface loads its bitmaps from its own
  // source: the module's resources in the program, a folder natively. Plain copies replace the pixels
  // (SRCCOPY); masked ones AND in the mask, bitmap bitmapId + 1, and then
  // OR in the picture (SRCAND, SRCPAINT). The bitmaps are loaded for this
  // copy alone. Returns 1 when drawn, 0 when a bitmap is missing or a step
  // failed (then nothing was drawn, except where GDI itself fails halfway).
  virtual int CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                         bool masked) = 0;

 protected:
  ~Surface() = default;
};

}  // namespace kz
