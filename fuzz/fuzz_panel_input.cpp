// Drives the mid end with pointer input and knob steps of any coordinates
// and sizes, between any commands. The knobs stay on their tracks; a press
// or a release moves none; a move moves the held knob alone, a step the
// stepped section's alone and only while it is enabled.
#include "compose/stored_strings.h"
#include "fuzz/fuzz.h"
#include "midend/command_table.h"
#include "panel/raster.h"
#include "tests/midend/recording_front_end.h"

using namespace kz;
using kz::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const StoredStrings strings;
  static RecordingFrontEnd frontEnd;
  static Raster raster;
  static RasterSurface surface(raster);  // no bitmaps: the pixels alone are drawn
  static KudomatZub* app = new KudomatZub(strings, surface, frontEnd);  // 800 KB
  static const KudomatZub::State start = (app->Start(), app->Save());
  app->Restore(start);

  FuzzedDataProvider input(data, size);
  auto coordinate = [&] { return fuzz::Mostly(input, -20, 640); };  // mostly on or near the panel
  while (input.remaining_bytes() > 0) {
    const KudomatZub::State before = app->Save();
    const int op = input.ConsumeIntegralInRange(0, 4);
    int moved = -1;  // the one knob that may move
    if (op == 0) app->PointerPress(coordinate(), coordinate());
    if (op == 1) moved = before.session.panel.dragIndex, app->PointerMove(coordinate());
    if (op == 2) app->PointerRelease();
    if (op == 3) {
      moved = input.ConsumeIntegralInRange(-1, kSectionCount);
      app->StepKnob(moved, coordinate());
      if (moved >= 0 && moved < kSectionCount && !before.session.panel.sliders[moved].enabled) moved = -1;
    }
    if (op == 4) app->Command(kCommands[input.ConsumeIntegralInRange(0, kCommandCount - 1)].id);
    const KudomatZub::State now = app->Save();
    const Panel& after = now.session.panel;
    const int held = now.session.panel.dragIndex;
    Check(-1 <= held && held < kSectionCount);
    for (int s = 0; s < kSectionCount; ++s) {
      const SliderRecord& knob = after.sliders[s];
      Check(knob.x == kInitialSliders[s].x && KnobTop(kTopRow) <= knob.y && knob.y <= KnobTop(kBottomRow));
      Check(op == 4 || s == moved || knob.y == before.session.panel.sliders[s].y);
    }
  }
  return 0;
}
