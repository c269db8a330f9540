// What one composition is asked for: the style, role and spelling, and for
// each section where its knob stands and whether it is enabled or frozen.
// A plain struct, so that any host can compose without a panel.
#pragma once

#include <cstdint>

namespace kz {

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

struct SectionSettings {
  std::int32_t y;  // the knob's top edge: picks the section's Level, or leaves it out
  bool enabled;    // false: frozen, the section keeps its text
};

struct ComposeSettings {
  std::int32_t style;     // 0..5
  std::int32_t role;      // 0 As Buyer, 1 As Seller
  std::int32_t spelling;  // 1 American, 0 European
  SectionSettings sections[kSectionCount];
};

}  // namespace kz
