// Drives the mid end with pointer input and knob steps of any coordinates
// and sizes, between any commands. The knobs stay on their tracks; a press
// or a release moves none; a move moves the held knob alone, a step the
// stepped section's alone and only while it is enabled.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "compose/stored_strings.h"
#include "midend/command_table.h"
#include "panel/raster.h"
#include "tests/midend/recording_front_end.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Any int, though mostly one on or near the panel.
int Coordinate(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? input.ConsumeIntegralInRange(-20, 640)
                             : input.ConsumeIntegral<int>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const kz::StoredStrings strings;
  static kz::RecordingFrontEnd frontEnd;
  static kz::Raster raster;
  static kz::RasterSurface surface(raster);  // no bitmaps: the pixels alone are drawn
  static kz::KudomatZub* app = new kz::KudomatZub(strings, surface, frontEnd);  // 800 KB
  static const kz::KudomatZub::State start = [] {
    app->Start();
    return app->Save();
  }();
  app->Restore(start);
  for (int s = 0; s < kz::kSectionCount; ++s) frontEnd.checked[s] = start.panel.sliders[s].enabled;

  FuzzedDataProvider input(data, size);
  while (input.remaining_bytes() > 0) {
    const kz::Panel before = app->panel();
    const int op = input.ConsumeIntegralInRange(0, 4);
    int moved = -1;  // the one knob that may move
    if (op == 0) app->PointerPress(Coordinate(input), Coordinate(input));
    if (op == 1) {
      moved = before.dragIndex;
      app->PointerMove(Coordinate(input), Coordinate(input));
    }
    if (op == 2) app->PointerRelease();
    if (op == 3) {
      moved = input.ConsumeIntegralInRange(-1, kz::kSectionCount);
      app->StepKnob(moved, Coordinate(input));
      if (moved >= 0 && moved < kz::kSectionCount && !before.sliders[moved].enabled) moved = -1;
    }
    if (op == 4) {  // a checkbox toggles itself before its command arrives
      const int id = input.ConsumeIntegral<std::uint16_t>();
      const int box = id - kz::kSectionCheckboxes[0];
      if (0 <= box && box < kz::kSectionCount) frontEnd.checked[box] = !frontEnd.checked[box];
      app->Command(id);
    }
    const kz::Panel& after = app->panel();
    Check(-1 <= after.dragIndex && after.dragIndex < kz::kSectionCount);
    for (int s = 0; s < kz::kSectionCount; ++s) {
      const kz::SliderRecord& knob = after.sliders[s];
      Check(knob.x == kz::kInitialSliders[s].x && kz::KnobTop(kz::kTopRow) <= knob.y &&
            knob.y <= kz::KnobTop(kz::kBottomRow));
      Check(op == 4 || s == moved || knob.y == before.sliders[s].y);
    }
  }
  return 0;
}
