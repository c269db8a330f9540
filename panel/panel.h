// The control panel: the three section sliders with their knobs, each
// section's Enable/Freeze state, the style, spelling and role, and all the
// panel's drawing. One Panel lives in static storage for the whole run; the
// mid end gives it its seams and routes pointer input and commands to it.
#pragma once

#include <cstdint>

#include "panel/slider_record.h"
#include "panel/surface.h"
#include "resources/resource_ids.h"

namespace kz {

// The parts of the panel PaintPanel draws, to be combined with |.
enum PanelPart : unsigned {
  kRole = 1u << 0,       // the role image
  kSpelling = 1u << 1,   // the spelling image
  kKnobs = 1u << 2,      // the three knobs
  kStyleName = 1u << 3,  // the style name
  kBase = 1u << 4,       // clouds, frame, labels, picture and connectors
  kWholePanel = kRole | kSpelling | kKnobs | kStyleName | kBase,
};

// SetSectionState's codes: enable one section (kEnableSection + section) or
// all, freeze one (kFreezeSection + section) or all.
constexpr int kEnableSection = 0;
constexpr int kEnableAllSections = kEnableSection + kSectionCount;
constexpr int kFreezeSection = kEnableAllSections + 1;
constexpr int kFreezeAllSections = kFreezeSection + kSectionCount;

class Panel {
 public:
  Panel();

  // --- Model -------------------------------------------------------------

  // On a left-button press: the index of the record whose knob rectangle
  // (21 x 26 from the knob's top-left corner) holds (x, y), or -1. A hit on
  // an enabled record starts dragging it.
  std::int32_t HitTest(std::int32_t x, std::int32_t y);

  // Moves knob `index` (0..2, or -1 for the knob being dragged) so that its
  // centre lies on `row` (47..118; other rows keep the knob where it is) and
  // redraws its track, the connectors and the knobs.
  void MoveKnob(std::int32_t index, std::int32_t row);

  // Enables (codes 0..2 one section, 3 all) or freezes (4..6, 7 all)
  // sections (the codes are named above); any other code does nothing.
  void SetSectionState(std::int32_t code);

  // 1 American, 0 European; other values keep the flag. Redraws its image.
  void SetSpelling(std::int32_t value);

  // 0 As Buyer, 1 As Seller; other values keep the role. Redraws its image.
  void SetRole(std::int32_t value);

  // Writes style row 0..5 into every record and redraws the knobs and the
  // style name; any other value changes and draws nothing.
  void SetStyle(std::int32_t style);

  // --- Drawing -----------------------------------------------------------

  // Draws the chosen parts (PanelPart values combined), always in the order
  // base, knobs, style name, spelling, role.
  void PaintPanel(unsigned parts);

  // The outer rectangle and the two inner tracks, pixel by pixel.
  void DrawFrame();

  // The input line, the vertical pieces between the knobs' rows and the
  // horizontal connector of record i.
  void DrawConnectors(std::int32_t i);

  // Copies a rectangle of a bitmap (through its mask when `masked`) onto
  // `dc`. 1 when drawn, 0 on failure, with nothing drawn.
  std::int32_t DrawBitmap(std::int32_t x, std::int32_t y, std::int32_t srcX, std::int32_t srcY,
                          std::int32_t width, std::int32_t height, std::int32_t bitmapId,
                          std::uint8_t masked);

  // Step `step` of the knob flash: steps 0..2 turn knobs 0..2 white, steps
  // 3..5 give them back their colour; any other step draws nothing. Whoever
  // runs the flash paces the steps.
  void DrawFlashStep(int step);

  // --- State -------------------------------------------------------------

  Surface* dc = nullptr;                     // where the panel is drawn; null: nothing drawn
  SliderRecord sliders[kSectionCount] = {};  // index = Section; set at construction
  std::int32_t dragIndex = 0;                // record being dragged, or -1
  std::int32_t spelling = 0;                 // 1 American, 0 European
  std::int32_t role = 0;                     // 0 As Buyer, 1 As Seller

 private:
  void Pixel(int x, int y, Colour colour);
};

}  // namespace kz
