// One section's slider: the style in force, where its knob stands, which
// images show the style, and whether the section is enabled or frozen.
#pragma once

#include <cstdint>

#include "compose/compose_settings.h"

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

// What the panel starts from: Classic's images, knobs at the top, frozen.
constexpr SliderRecord kInitialSliders[kSectionCount] = {
    {0, 104, 43, 0, 0, 70, 0},
    {0, 204, 43, 0, 0, 70, 0},
    {0, 404, 43, 0, 0, 70, 0},
};

}  // namespace kz
