// The panel's picture: a memory bitmap of the client area in 96-DPI pixels.
// The panel draws into it; the window shows it enlarged to its scale, both
// when it is painted and as soon as the panel has drawn.
#pragma once

#include <windows.h>

namespace kz {

class PanelPicture {
 public:
  PanelPicture() = default;
  ~PanelPicture();
  PanelPicture(const PanelPicture&) = delete;
  PanelPicture& operator=(const PanelPicture&) = delete;

  // Makes the bitmap, filled with the window's background. False when GDI
  // cannot; the panel then has nothing to draw into and draws nothing.
  bool Create();
  HDC Dc() const { return dc_; }

  // Copies `part` of the picture to `target`, each pixel as k x k.
  void Show(HDC target, const RECT& part, int k) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace kz
