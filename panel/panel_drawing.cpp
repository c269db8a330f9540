// The panel's drawing: the full paint and its parts, the connector path, the
// bitmap copies and the knob flash's steps. Everything goes straight to `dc`: lines
// pixel by pixel, the rest copied out of bitmaps loaded for each copy.
#include "panel/panel.h"

namespace kz {

void Panel::Pixel(int x, int y, Colour colour) {
  if (dc != nullptr) dc->PutPixel(x, y, colour);
}

void Panel::PaintPanel(unsigned parts) {
  if (parts & kBase) {
    DrawBitmap(kCloudsX, kCloudsY, 0, 0, kCloudsWidth, kCloudsHeight, kCloudsBitmap, 1);
    DrawFrame();
    for (const Placement& p : kLabelPlacements) {
      DrawBitmap(p.x, p.y, p.area.column, 0, p.area.width, kStripHeight, kLabelsBitmap, 0);
    }
    DrawBitmap(kCreatureX, kCreatureY, 0, 0, kCreatureWidth, kCreatureHeight, kCreatureBitmap,
               1);
    for (int i = 0; i < kSectionCount; ++i) DrawConnectors(i);
  }
  if (parts & kKnobs) {
    for (const SliderRecord& r : sliders) {
      DrawBitmap(r.x, r.y, r.knobColumn, 0, kTileSize, kTileSize, kTilesBitmap, 0);
    }
  }
  if (parts & kStyleName) {
    DrawBitmap(kStyleNameX, kStyleNameY, kBlankName.column, 0, kBlankName.width, kStripHeight,
               kStyleNamesBitmap, 0);
    const SliderRecord& r = sliders[0];
    DrawBitmap(kStyleNameX, kStyleNameY, r.nameColumn, 0, r.nameWidth, kStripHeight,
               kStyleNamesBitmap, 0);
  }
  if (parts & kSpelling) {
    DrawBitmap(kSpellingX, kSpellingY, kChoiceWidth * spelling, 0, kChoiceWidth, kStripHeight,
               kSpellingBitmap, 0);
  }
  if (parts & kRole) {
    DrawBitmap(kRoleX, kRoleY, kChoiceWidth * role, 0, kChoiceWidth, kStripHeight, kRoleBitmap,
               0);
  }
}

void Panel::DrawFrame() {
  for (int x = kFrameLeft; x <= kFrameRight; ++x) {
    Pixel(x, kFrameTop, kFrameColour);
    Pixel(x, kFrameBottom, kFrameColour);
  }
  for (int y = kFrameTop; y <= kFrameBottom; ++y) {
    Pixel(kFrameLeft, y, kFrameColour);
    Pixel(kInnerTracks[0], y, kFrameColour);
    Pixel(kInnerTracks[1], y, kFrameColour);
    Pixel(kFrameRight, y, kFrameColour);
  }
}

void Panel::DrawConnectors(std::int32_t i) {
  const int c0 = KnobRow(sliders[0].y);
  const int c1 = KnobRow(sliders[1].y);
  const int c2 = KnobRow(sliders[2].y);

  for (int x = kInputFirstColumn; x < kFrameLeft; ++x) Pixel(x, kInputRow, kConnectorColour);

  // Where knob i's erased track crossed the previous record's connector:
  // the eight columns before knob i's track.
  if (i == 1 || i == 2) {
    const int track = kInnerTracks[i - 1];
    const int previousRow = i == 1 ? c0 : c1;
    for (int x = track - kTileSize; x < track; ++x) Pixel(x, previousRow, kConnectorColour);
  }

  // Down or up the first track to knob 0's row, stopping short of it.
  if (c0 > kInputRow) {
    for (int y = kInputRow; y <= c0 - 1; ++y) Pixel(kFrameLeft, y, kConnectorColour);
  } else if (c0 < kInputRow) {
    for (int y = kInputRow; y >= c0 + 1; --y) Pixel(kFrameLeft, y, kConnectorColour);
  }

  // Along each inner track from the previous knob's row to the next one's.
  const int from[2] = {c0, c1};
  const int to[2] = {c1, c2};
  for (int k = 0; k < 2; ++k) {
    const int column = kInnerTracks[k];
    if (from[k] < to[k]) {
      for (int y = from[k]; y <= to[k] + 3; ++y) Pixel(column, y, kConnectorColour);
    } else if (from[k] > to[k]) {
      for (int y = from[k]; y >= to[k] + 1; --y) Pixel(column, y, kConnectorColour);
    }
  }

  if (0 <= i && i < kSectionCount) {
    const SliderRecord& r = sliders[i];
    for (int x = r.x; x < r.x + ConnectorLength(i); ++x) Pixel(x, KnobRow(r.y), kConnectorColour);
  }
}

std::int32_t Panel::DrawBitmap(std::int32_t x, std::int32_t y, std::int32_t srcX,
                               std::int32_t srcY, std::int32_t width, std::int32_t height,
                               std::int32_t bitmapId, std::uint8_t masked) {
  if (dc == nullptr) return 0;
  return dc->CopyBitmap(x, y, srcX, srcY, width, height, bitmapId & 0xFFFF, masked != 0);
}

void Panel::DrawFlashStep(int step) {
  if (step < 0 || step >= 2 * kSectionCount) return;
  const bool white = step < kSectionCount;
  const SliderRecord& r = sliders[step % kSectionCount];
  DrawBitmap(r.x, r.y, white ? kTrackTileColumn : r.knobColumn, white ? kFlashTileRow : 0,
             kTileSize, kTileSize, kTilesBitmap, 0);
}

}  // namespace kz
