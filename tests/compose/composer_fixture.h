// Helpers shared by the composer tests: a composer loaded from the stored
// strings, a fixed clock, and composing with given knobs at a given second.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"

namespace kz {
namespace testing_support {

inline Seconds clockReading = 0;
inline Seconds TestClock() { return clockReading; }
struct RecordingDisplay final : CommentDisplay {
  std::string comment, mark;
  void ShowComment(const char* text, const char* lengthMark) override {
    comment = text;
    mark = lengthMark;
  }
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
  ComposeSettings settings = {style, role, spelling, {}};
  for (int s = 0; s < kSectionCount; ++s) settings.sections[s] = {y[s], enabled[s]};
  SetClock(TestClock);
  clockReading = second;
  c.Compose(settings);
  SetClock(nullptr);
}

}  // namespace testing_support
}  // namespace kz
