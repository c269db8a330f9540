// Helpers shared by the composer tests: a composer loaded from the stored
// strings, a fixed clock, and composing with given knobs at a given second.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"

namespace kz {
namespace testing_support {

inline Seconds clockReading = 0;
inline Seconds TestClock() { return clockReading; }
struct RecordingDisplay final : TextDisplay {
  std::map<int, std::string> texts;
  void ShowText(int id, const char* text) override { texts[id] = text; }
};

// The composer is large; tests keep it on the heap.
inline std::unique_ptr<Composer> StoredComposer() {
  static const StoredStrings stored;
  auto c = std::make_unique<Composer>();
  c->instance = &stored;
  c->LoadWordLists();
  c->LoadSpellingPairs();
  return c;
}

// Composes at clock second `second` with the knobs' top edges `y`.
inline void ComposeAt(Composer& c, Seconds second, int style, int spelling, int role,
                      const int (&y)[kSectionCount], const bool (&enabled)[kSectionCount] = {
                                                         true, true, true}) {
  SliderRecord sliders[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) {
    sliders[s] = kInitialSliders[s];
    sliders[s].style = style;
    sliders[s].y = y[s];
    sliders[s].enabled = enabled[s] ? 1 : 0;
  }
  SetClock(TestClock);
  clockReading = second;
  c.Compose(spelling, role, sliders);
  SetClock(nullptr);
}

}  // namespace testing_support
}  // namespace kz
