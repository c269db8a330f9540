// Helpers shared by the composer tests: a composer loaded from the stored
// strings, word banks made to order, a fixed clock and a recording display.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"

namespace kz {
namespace testing_support {

// Top edges of the knob for the Edit menu's three positions.
constexpr int kTopY = 43;
constexpr int kMiddleY = 78;
constexpr int kBottomY = 114;

inline std::uint32_t& ClockReading() {
  static std::uint32_t second = 0;
  return second;
}
inline std::uint32_t TestClock() { return ClockReading(); }

struct RecordingDisplay final : TextDisplay {
  std::vector<std::pair<int, std::string>> shown;
  void ShowText(int id, const char* text) override { shown.emplace_back(id, text); }
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

// Puts `word` into every entry of a list, so every draw from it succeeds at
// once and gives that word.
inline void FillList(Composer& c, int group, int list, const std::string& word) {
  WordGroup& g = c.groups[group];
  const bool isShort = list < kShortListCount;
  const int size = isShort ? kShortEntrySize : kLongEntrySize;
  for (int e = 0; e < kEntriesPerList; ++e) {
    char* entry = isShort ? g.shortLists[list].entries[e]
                          : g.longLists[list - kShortListCount].entries[e];
    std::memset(entry, 0, static_cast<std::size_t>(size));
    word.copy(entry, static_cast<std::size_t>(size - 1));
  }
}

inline void EmptyList(Composer& c, int group, int list) { FillList(c, group, list, ""); }

// Every list holds the one word "w<group>_<list>" in all its entries: each
// step then draws exactly once (twice for PickKind 7) and its word tells
// which list it came from.
inline std::unique_ptr<Composer> MarkerComposer() {
  auto c = StoredComposer();
  for (int g = 0; g < kGroupCount; ++g) {
    for (int l = 0; l < kListsPerGroup; ++l) {
      FillList(*c, g, l, "w" + std::to_string(g) + "_" + std::to_string(l));
    }
  }
  return c;
}

struct Knobs {
  int style;
  int y[kSectionCount];
  std::uint8_t enabled[kSectionCount];
};

inline void MakeSliders(const Knobs& k, SliderRecord* sliders) {
  for (int s = 0; s < kSectionCount; ++s) {
    sliders[s] = kInitialSliders[s];
    sliders[s].style = k.style;
    sliders[s].y = k.y[s];
    sliders[s].enabled = k.enabled[s];
  }
}

// Composes at clock second `second`.
inline void ComposeAt(Composer& c, std::uint32_t second, int spelling, int role, const Knobs& k) {
  SliderRecord sliders[kSectionCount];
  MakeSliders(k, sliders);
  ClockReading() = second;
  c.Compose(spelling, role, sliders);
}

// Installs the test clock for the duration of a test.
class ComposerTest : public ::testing::Test {
 protected:
  void SetUp() override { SetClock(TestClock); }
  void TearDown() override { SetClock(nullptr); }
};

}  // namespace testing_support
}  // namespace kz
