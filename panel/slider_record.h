// One section's slider: the style in force, where its knob stands, which
// images show the style, and whether the section is enabled or frozen.
#pragma once

#include <cstdint>

namespace kz {

struct SliderRecord {
  std::int32_t style;       // 0..5; the same in all three records
  std::int32_t x;           // knob's left edge in client pixels: 104, 204, 404
  std::int32_t y;           // knob's top edge: 43..114 once placed
  std::int32_t knobColumn;  // knob tile column in the tiles bitmap
  std::int32_t nameColumn;  // style name column in the style-names bitmap
  std::int32_t nameWidth;   // style name width in pixels
  std::uint8_t enabled;     // 1 enabled, 0 frozen
};

constexpr int kSectionCount = 3;  // Beginning, Middle, End

// A knob is 8 pixels square; its centre row lies this far below its top
// edge `y`. Knobs are placed, and the tracks read, by centre rows.
constexpr int kKnobCentreBelowTop = 4;
constexpr int KnobRow(int y) { return y + kKnobCentreBelowTop; }
constexpr int KnobTop(int row) { return row - kKnobCentreBelowTop; }

// Knob centre rows used by the Edit menu and the random placement.
constexpr int kTopRow = 47;
constexpr int kMiddleRow = 82;
constexpr int kBottomRow = 118;
constexpr int kRandomRowSpan = 71;  // random rows 47 + (draw % 71)

// What the panel starts from: Classic's images, knobs at the top, frozen.
constexpr SliderRecord kInitialSliders[kSectionCount] = {
    {0, 104, 43, 0, 0, 70, 0},
    {0, 204, 43, 0, 0, 70, 0},
    {0, 404, 43, 0, 0, 70, 0},
};

}  // namespace kz
