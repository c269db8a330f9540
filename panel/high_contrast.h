// The panel as it is shown on top of what it draws: redrawn in the four
// system colours while high contrast (or the browser's forced colours) is
// on, and the focus ring around the knob that has the keyboard focus. Pure:
// each front end reads its colours and the knobs' states and hands them in.
#pragma once

#include "panel/art_layout.h"
#include "panel/slider_record.h"

namespace kz {

// The colours a high-contrast theme gives: COLOR_WINDOW, COLOR_WINDOWTEXT,
// COLOR_HIGHLIGHT and COLOR_GRAYTEXT on Windows; Canvas, CanvasText,
// Highlight and GrayText in CSS.
struct SystemColours {
  Colour window;      // the background
  Colour windowText;  // the art, lines, labels and knobs
  Colour highlight;   // the focused or held knob
  Colour grayText;    // a frozen section's knob and label
};

// How a knob is shown besides its picture.
struct KnobLook {
  bool enabled;  // false: the section is frozen
  bool marked;   // it has the keyboard focus or is being dragged
};

// Maps the panel's picture (`width` x `height` pixels, rows top-down, drawn
// with `sliders` where they stand) to `colours`, into `out` of the same size.
// The background becomes the window colour. Dark pixels and the edges of
// everything drawn on the background become the text colour, light
// pixels inside a shape the window colour, so the creature, the clouds,
// the lines and the letters keep their outlines. Knob tiles are filled:
// highlight for a marked knob, else grey text for a frozen one, else text;
// a frozen section's label is grey text too.
void HighContrastPicture(const Colour* picture, int width, int height,
                         const SliderRecord (&sliders)[kSectionCount],
                         const KnobLook (&looks)[kSectionCount], const SystemColours& colours,
                         Colour* out);

// The focus ring around the knob tile at (x, y): a dotted square two
// pixels outside the tile, drawn in `colour` on `pixels` (clipped to it).
constexpr int kFocusRingMargin = 2;
constexpr int kFocusRingSize = kTileSize + 2 * kFocusRingMargin;
void DrawFocusRing(Colour* pixels, int width, int height, int x, int y, Colour colour);

}  // namespace kz
