// The panel's seams on GDI and USER; see gdi_surface.h.
#include "shell/gdi_surface.h"

namespace kz {
namespace {

HBITMAP LoadBitmapResource(HINSTANCE instance, int id) {
  return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id & 0xFFFF), IMAGE_BITMAP,
                                         0, 0, LR_CREATEDIBSECTION));
}

// A bitmap selected into a memory device context of its own; undone, and
// the device context deleted, when it goes out of scope.
class Selected {
 public:
  explicit Selected(HBITMAP bitmap) {
    if (bitmap == nullptr) return;
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) return;
    previous_ = SelectObject(dc_, bitmap);
    if (previous_ == nullptr || previous_ == HGDI_ERROR) previous_ = nullptr;
  }
  ~Selected() {
    if (dc_ == nullptr) return;
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

  bool Ready() const { return dc_ != nullptr && previous_ != nullptr; }
  HDC Dc() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// A loaded bitmap, released when it goes out of scope (after the device
// contexts that hold it, which are declared later and so destroyed first).
class LoadedBitmap {
 public:
  LoadedBitmap() = default;
  LoadedBitmap(HINSTANCE instance, int id) : bitmap_(LoadBitmapResource(instance, id)) {}
  ~LoadedBitmap() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  LoadedBitmap(const LoadedBitmap&) = delete;
  LoadedBitmap& operator=(const LoadedBitmap&) = delete;

  HBITMAP Get() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace

void GdiSurface::Changed(int x, int y, int width, int height) {
  const RECT drawn = {x, y, x + width, y + height};
  UnionRect(&changed_, &changed_, &drawn);
}

RECT GdiSurface::TakeChanged() {
  const RECT all = {0, 0, kClientWidth, kClientHeight};
  RECT shown;
  if (!IntersectRect(&shown, &changed_, &all)) SetRectEmpty(&shown);
  SetRectEmpty(&changed_);
  return shown;
}

void GdiSurface::PutPixel(int x, int y, Colour colour) {
  SetPixel(dc, x, y, static_cast<COLORREF>(colour));
  Changed(x, y, 1, 1);
}

int GdiSurface::CopyBitmap(int x, int y, int srcX, int srcY, int width, int height, int bitmapId,
                           bool masked) {
  // The picture, and the mask (id + 1) for a masked copy.
  LoadedBitmap picture(module, bitmapId);
  if (picture.Get() == nullptr) return 0;
  LoadedBitmap mask = masked ? LoadedBitmap(module, bitmapId + 1) : LoadedBitmap();
  if (masked && mask.Get() == nullptr) return 0;

  // Memory device contexts compatible with the screen, bitmaps selected.
  Selected pictureDc(picture.Get());
  if (!pictureDc.Ready()) return 0;
  Selected maskDc(mask.Get());
  if (masked && !maskDc.Ready()) return 0;

  // The mask ANDed in and the picture ORed over it; or a plain copy.
  Changed(x, y, width, height);
  if (masked) {
    if (!BitBlt(dc, x, y, width, height, maskDc.Dc(), srcX, srcY, SRCAND)) return 0;
    if (!BitBlt(dc, x, y, width, height, pictureDc.Dc(), srcX, srcY, SRCPAINT)) return 0;
  } else if (!BitBlt(dc, x, y, width, height, pictureDc.Dc(), srcX, srcY, SRCCOPY)) {
    return 0;
  }
  return 1;
}

}  // namespace kz
