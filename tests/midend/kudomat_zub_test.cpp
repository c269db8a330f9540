// The mid end's pointer and keyboard-slider inputs: where each knob stands
// after a sequence of them, from a start with every knob at the top.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "compose/stored_strings.h"
#include "tests/midend/recording_front_end.h"

namespace kz {
namespace {

struct Input {
  char kind;  // p press, m move, r release, s step, f freeze the Middle
  int a, b;   // x, y; or section, rows
};

struct Case {
  const char* what;
  std::vector<Input> inputs;
  int rows[kSectionCount];  // knob centre rows afterwards
};

TEST(KudomatZub, PointerAndStepsMoveTheKnobsTheyShould) {
  static const StoredStrings strings;
  const Case cases[] = {
      {"a drag follows the pointer", {{'p', 210, 50}, {'m', 0, 90}}, {47, 90, 47}},
      {"a move with no knob held does nothing", {{'m', 210, 90}}, {47, 47, 47}},
      {"a release anywhere ends the drag", {{'p', 210, 50}, {'r', 0, 0}, {'m', 210, 90}}, {47, 47, 47}},
      {"a drag past the track keeps the last row", {{'p', 410, 50}, {'m', 0, 100}, {'m', 0, 130}}, {47, 47, 100}},
      {"a press beside every knob takes none", {{'p', 300, 50}, {'m', 0, 90}}, {47, 47, 47}},
      {"steps move down and up", {{'s', 0, -30}, {'s', 0, 10}}, {67, 47, 47}},
      {"steps stop at either end", {{'s', 1, -100}, {'s', 2, 5}}, {47, 118, 47}},
      {"a frozen section's knob neither steps nor drags",
       {{'f', 0, 0}, {'s', 1, -10}, {'p', 210, 50}, {'m', 0, 90}}, {47, 47, 47}},
  };
  NullSurface surface;
  for (const Case& c : cases) {
    RecordingFrontEnd frontEnd;
    auto app = std::make_unique<KudomatZub>(strings, surface, frontEnd);
    app->Start();
    app->Command(IDM_ALL_TOP);
    for (const Input& in : c.inputs) {
      if (in.kind == 'p') app->PointerPress(in.a, in.b);
      if (in.kind == 'm') app->PointerMove(in.a, in.b);
      if (in.kind == 'r') app->PointerRelease();
      if (in.kind == 's') app->StepKnob(in.a, in.b);
      if (in.kind == 'f') app->Command(IDM_FREEZE_MIDDLE);
    }
    for (int s = 0; s < kSectionCount; ++s) {
      EXPECT_EQ(KnobRow(app->panel().sliders[s].y), c.rows[s]) << c.what << ", section " << s;
    }
  }
}

}  // namespace
}  // namespace kz
