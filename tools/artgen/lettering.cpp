// The lettered strips and the tiles: section labels and signs (101), knob
// and track tiles (102), style names (105), spelling (106) and role (107).
// Letters stand with their capitals on rows 3 to 11 of each 17-row strip.
#include <string>

#include "tools/artgen/art.h"
#include "tools/artgen/pixel_font.h"

namespace kz::art {
namespace {

constexpr int kCapTop = 3;
constexpr Colour kInk = Rgb(16, 48, 112);      // dark blue lettering
constexpr Colour kShadow = Rgb(16, 48, 112);   // under the white letters
constexpr int kUnderlineTop = 15;              // two rows: 15 and 16

// White letters with a dark shadow below and to the right, so they read on
// the light sky colour; set a little wider, so that no shadow touches the
// next letter.
void DrawWhiteText(Canvas& canvas, int left, const std::string& text) {
  DrawText(canvas, left + 1, kCapTop + 1, text, kShadow, 2);
  DrawText(canvas, left, kCapTop, text, kWhite, 2);
}

// The plus and minus signs: two-pixel strokes, eight pixels across.
void DrawSign(Canvas& canvas, StripArea area, int centreRow, bool plus) {
  const int left = area.column + 1;
  canvas.FillRect(left, centreRow - 1, 8, 2, kInk);
  if (plus) canvas.FillRect(left + 3, centreRow - 4, 2, 8, kInk);
}

Canvas Strip(int width) { return Canvas(width, kStripHeight, kBackgroundColour); }

}  // namespace

Canvas DrawLabels() {
  Canvas c = Strip(150);
  DrawText(c, kBeginningLabel.column + 1, kCapTop, "Beginning", kInk);
  DrawText(c, kMiddleLabel.column + 1, kCapTop, "Middle", kInk);
  DrawText(c, kEndLabel.column + 1, kCapTop, "End", kInk);
  // The signs mark the ends of the first track: the plus sign is drawn at
  // y = 35, so its centre row 12 meets the top knob row 47; the minus sign
  // at y = 115, so its centre row 3 meets the bottom knob row 118.
  DrawSign(c, kPlusSign, 12, true);
  DrawSign(c, kMinusSign, 3, false);
  return c;
}

Canvas DrawTiles() {
  Canvas c(7 * kTileSize, 2 * kTileSize, kBackgroundColour);
  for (int style = 0; style < kStyleCount; ++style) {
    const Colour knob = kKnobColours[style];
    const Colour tint = Rgb((RedOf(knob) + 255) / 2, (GreenOf(knob) + 255) / 2,
                            (BlueOf(knob) + 255) / 2);
    c.FillRect(style * kTileSize, 0, kTileSize, kTileSize, knob);
    c.FillRect(style * kTileSize, kFlashTileRow, kTileSize, kTileSize, tint);
  }
  c.FillRect(kTrackTileColumn + kTrackLineColumn, 0, 1, kTileSize, kFrameColour);
  c.FillRect(kTrackTileColumn, kFlashTileRow, kTileSize, kTileSize, kWhite);
  return c;
}

Canvas DrawStyleNames() {
  Canvas c = Strip(360);
  for (int style = 0; style < kStyleCount; ++style) {
    const StyleRow& row = kStyleTable[style];
    const int end = DrawText(c, row.nameColumn, kCapTop, row.name, kInk);
    c.FillRect(row.nameColumn, kUnderlineTop, end - row.nameColumn, 2, kKnobColours[style]);
  }
  return c;
}

Canvas DrawSpelling() {
  Canvas c = Strip(2 * kChoiceWidth);
  DrawWhiteText(c, 2, "European");
  DrawWhiteText(c, kChoiceWidth + 2, "American");
  return c;
}

Canvas DrawRole() {
  Canvas c = Strip(2 * kChoiceWidth);
  DrawWhiteText(c, 2, "As Buyer");
  DrawWhiteText(c, kChoiceWidth + 2, "As Seller");
  return c;
}

}  // namespace kz::art
