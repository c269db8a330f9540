// The panel as the window shows it; see panel_looks.h.
#include "shell/panel_looks.h"

#include <cstdint>

namespace kz {
namespace {

// The 32-bit DIB selected into `dc`: its pixels, top-down, 0x00RRGGBB.
std::uint32_t* DibPixels(HDC dc) {
  DIBSECTION dib = {};
  HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
  if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib) return nullptr;
  return static_cast<std::uint32_t*>(dib.dsBm.bmBits);
}

// A DIB pixel and a COLORREF hold red and blue the other way round.
Colour Swapped(std::uint32_t c) { return (c & 0xFF00u) | (c & 0xFFu) << 16 | (c >> 16 & 0xFFu); }

RECT RingAround(const SliderRecord& knob) {
  const int left = knob.x - kFocusRingMargin, top = knob.y - kFocusRingMargin;
  return {left, top, left + kFocusRingSize, top + kFocusRingSize};
}

}  // namespace

bool PanelLooks::ReadSettings() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  const bool on = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                  (contrast.dwFlags & HCF_HIGHCONTRASTON);
  const SystemColours colours = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT),
                                 GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_GRAYTEXT)};
  const bool changed = on != highContrast_ ||
                       (on && (colours.window != colours_.window || colours.windowText != colours_.windowText ||
                               colours.highlight != colours_.highlight || colours.grayText != colours_.grayText));
  highContrast_ = on;
  colours_ = colours;
  return changed;
}

void PanelLooks::Show(HDC target, const RECT& part, int k, const PanelPicture& picture,
                      const SliderRecord (&sliders)[kSectionCount], const KnobLook (&looks)[kSectionCount],
                      int ring) {
  RECT area = part;
  const RECT ringNow = ring >= 0 ? RingAround(sliders[ring]) : RECT{};
  if (!EqualRect(&ringNow, &lastRing_)) {
    UnionRect(&area, &area, &lastRing_);
    UnionRect(&area, &area, &ringNow);
    lastRing_ = ringNow;
  }
  if (!highContrast_ && ring < 0) return picture.Show(target, area, k);
  if (!made_) made_ = shown_.Create();
  const std::uint32_t* from = DibPixels(picture.Dc());
  std::uint32_t* to = made_ ? DibPixels(shown_.Dc()) : nullptr;
  if (!from || !to) return picture.Show(target, area, k);
  GdiFlush();  // what GDI has batched is in the pixels read
  const int count = kClientWidth * kClientHeight;
  for (int i = 0; i < count; ++i) drawn_[i] = Swapped(from[i]);
  Colour* shown = drawn_;
  if (highContrast_) {
    HighContrastPicture(drawn_, kClientWidth, kClientHeight, sliders, looks, colours_, mapped_);
    shown = mapped_;
  }
  if (ring >= 0) {
    DrawFocusRing(shown, kClientWidth, kClientHeight, sliders[ring].x, sliders[ring].y,
                  highContrast_ ? colours_.windowText : kBlack);
  }
  for (int i = 0; i < count; ++i) to[i] = Swapped(shown[i]);
  shown_.Show(target, area, k);
}

}  // namespace kz
