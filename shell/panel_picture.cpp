// The panel's picture: made once, shown whole or in part; see panel_picture.h.
#include "shell/panel_picture.h"

#include "panel/art_layout.h"

namespace kz {

PanelPicture::~PanelPicture() {
  if (previous_) SelectObject(dc_, previous_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

bool PanelPicture::Create() {
  // A 32-bit DIB holds every colour exactly, whatever the screen's depth.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kClientWidth;
  info.bmiHeader.biHeight = -kClientHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = dc_ ? CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  previous_ = bitmap_ ? SelectObject(dc_, bitmap_) : nullptr;
  if (previous_ == HGDI_ERROR) previous_ = nullptr;
  if (!previous_) return false;
  // As the class brush would erase the window.
  HBRUSH background = CreateSolidBrush(kBackgroundColour);
  const RECT all = {0, 0, kClientWidth, kClientHeight};
  const bool filled = background && FillRect(dc_, &all, background);
  if (background) DeleteObject(background);
  return filled;
}

void PanelPicture::Show(HDC target, const RECT& part, int k) const {
  if (!dc_ || !target || IsRectEmpty(&part)) return;
  const int width = part.right - part.left, height = part.bottom - part.top;
  if (k == 1) {
    BitBlt(target, part.left, part.top, width, height, dc_, part.left, part.top, SRCCOPY);
    return;
  }
  // Whole-pixel enlargement: each pixel repeated, never blended.
  SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, part.left * k, part.top * k, width * k, height * k, dc_, part.left, part.top,
             width, height, SRCCOPY);
}

}  // namespace kz
