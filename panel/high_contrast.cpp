// The panel in system colours and the focus ring; see high_contrast.h.
#include "panel/high_contrast.h"

namespace kz {
namespace {

// Below this luminance (0..255) a pixel is ink wherever it lies.
constexpr int kDarkLuminance = 128;

int Luminance(Colour c) { return (299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c)) / 1000; }

bool Inside(int x, int y, int left, int top, int width, int height) {
  return left <= x && x < left + width && top <= y && y < top + height;
}

}  // namespace

void HighContrastPicture(const Colour* picture, int width, int height,
                         const SliderRecord (&sliders)[kSectionCount],
                         const KnobLook (&looks)[kSectionCount], const SystemColours& colours,
                         Colour* out) {
  auto at = [&](int x, int y) {
    return 0 <= x && x < width && 0 <= y && y < height ? picture[y * width + x] : kBackgroundColour;
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Colour c = at(x, y);
      Colour shown = colours.window;
      if (c != kBackgroundColour) {
        const bool edge = at(x - 1, y) == kBackgroundColour || at(x + 1, y) == kBackgroundColour ||
                          at(x, y - 1) == kBackgroundColour || at(x, y + 1) == kBackgroundColour;
        if (edge || Luminance(c) < kDarkLuminance) shown = colours.windowText;
      }
      for (int s = 0; s < kSectionCount; ++s) {
        const Placement& label = kLabelPlacements[s];
        if (!looks[s].enabled && shown == colours.windowText &&
            Inside(x, y, label.x, label.y, label.area.width, kStripHeight)) {
          shown = colours.grayText;
        }
        if (Inside(x, y, sliders[s].x, sliders[s].y, kTileSize, kTileSize)) {
          shown = looks[s].marked    ? colours.highlight
                  : looks[s].enabled ? colours.windowText
                                     : colours.grayText;
        }
      }
      out[y * width + x] = shown;
    }
  }
}

void DrawFocusRing(Colour* pixels, int width, int height, int x, int y, Colour colour) {
  const int left = x - kFocusRingMargin, top = y - kFocusRingMargin;
  for (int i = 0; i < kFocusRingSize; i += 2) {
    const int points[4][2] = {{left + i, top},
                              {left + i + 1, top + kFocusRingSize - 1},
                              {left, top + i + 1},
                              {left + kFocusRingSize - 1, top + i}};
    for (const auto& p : points) {
      if (0 <= p[0] && p[0] < width && 0 <= p[1] && p[1] < height) {
        pixels[p[1] * width + p[0]] = colour;
      }
    }
  }
}

}  // namespace kz
