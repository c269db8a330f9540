// The seams through which the panel meets its host: the surface it draws on
// (with the bitmaps it copies from), the window that holds the section
// checkboxes, and the pause between the knob flash's steps. In the program they are GDI on the
// main window (shell/gdi_surface.h); natively an in-memory raster
// (panel/raster.h) and whatever fakes a test likes.
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

class CheckboxWindow {
 public:
  // Checks or unchecks the checkbox of section `section` (0..2).
  virtual void SetSectionChecked(int section, bool checked) = 0;

 protected:
  ~CheckboxWindow() = default;
};

class FlashPacer {
 public:
  // Lets `milliseconds` pass between two steps of the knob flash: the
  // window waits them out, the page keeps a frame to play that long.
  virtual void Pause(int milliseconds) = 0;

 protected:
  ~FlashPacer() = default;
};

}  // namespace kz
