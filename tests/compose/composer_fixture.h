// The composer's test helpers, for the tests and the fuzzers: a string table
// of a test's own, a composer loaded from the stored strings, a display that
// keeps what it shows, and composing from the seed of a given clock second.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"

namespace kz::testing_support {

struct MapStrings final : StringSource {
  std::map<int, std::string> texts;
  int LoadText(int id, char* buffer, int limit) const override {
    if (!texts.count(id)) return 0;
    const int n = static_cast<int>(texts.at(id).copy(buffer, limit - 1));
    buffer[n] = '\0';
    return n;
  }
};

struct RecordingDisplay final : CommentDisplay {
  std::string comment, mark;
  int count = 0;
  void ShowComment(const char* text, const char* lengthMark) override {
    comment = text, mark = lengthMark, ++count;
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
inline void ComposeAt(Composer& c, Seconds second, int style, int role, int spelling,
                      const int (&y)[kSectionCount], const bool (&frozen)[kSectionCount] = {}) {
  ComposeSettings settings = {style, role, spelling, {}};
  for (int s = 0; s < kSectionCount; ++s) settings.sections[s] = {y[s], !frozen[s]};
  Random random;
  random.Seed(SeedOfSecond(second));
  c.Compose(settings, random);
}

}  // namespace kz::testing_support
