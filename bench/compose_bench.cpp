// How fast comments are composed, per style and role with every knob at the
// top, beside how fast the very same random numbers are drawn alone. Every
// draw depends on the one before it, so the draws are the floor: the ratio
// of the two times is what the composing itself costs on top.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"
#include "compose/templates.h"

namespace kz {
namespace {

constexpr int kSeconds = 1024;  // clock seconds cycled through
constexpr std::uint32_t kFirstSecond = 1000000000u;

const char* const kRoleNames[] = {"AsBuyer", "AsSeller"};

struct NullDisplay final : CommentDisplay {
  void ShowComment(const char*, const char*) override {}
};

Composer& LoadedComposer() {
  static const StoredStrings stored;
  static NullDisplay display;
  static Composer composer;
  static bool loaded = false;
  if (!loaded) {
    composer.instance = &stored;
    composer.LoadWordLists();
    composer.LoadSpellingPairs();
    composer.window = &display;
    loaded = true;
  }
  return composer;
}

// Every knob at "+ 100", every section enabled, American.
ComposeSettings SettingsFor(int style, int role) {
  const SectionSettings top = {KnobTop(kTopRow), true};
  return {style, role, 1, {top, top, top}};
}

// How many numbers each comment of the cycle draws, found by stepping the
// generator from the seed until it reaches the state Compose left.
struct DrawCounts {
  int perSecond[kSeconds];
  double average;
};

const DrawCounts& CountDraws(int style, int role) {
  static DrawCounts counts[6][2];
  static bool done[6][2];
  DrawCounts& c = counts[style][role];
  if (done[style][role]) return c;
  Composer& composer = LoadedComposer();
  const ComposeSettings settings = SettingsFor(style, role);
  long total = 0;
  for (int i = 0; i < kSeconds; ++i) {
    const std::uint32_t seed = kFirstSecond + static_cast<std::uint32_t>(i);
    Random random;
    random.Seed(seed);
    composer.Compose(settings, random);
    Random counter;
    counter.Seed(seed);
    int n = 0;
    while (counter.state != random.state) {
      counter.Draw();
      ++n;
    }
    c.perSecond[i] = n;
    total += n;
  }
  c.average = static_cast<double>(total) / kSeconds;
  done[style][role] = true;
  return c;
}

void ComposeComments(benchmark::State& state, int style, int role) {
  Composer& composer = LoadedComposer();
  const DrawCounts& counts = CountDraws(style, role);
  const ComposeSettings settings = SettingsFor(style, role);
  Random random;
  unsigned i = 0;
  for (auto _ : state) {
    random.Seed(kFirstSecond + (i++ % kSeconds));
    composer.Compose(settings, random);
    benchmark::DoNotOptimize(composer.outputText);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["draws"] = counts.average;
}

void DrawAlone(benchmark::State& state, int style, int role) {
  const DrawCounts& counts = CountDraws(style, role);
  unsigned i = 0;
  for (auto _ : state) {
    const unsigned k = i++ % kSeconds;
    Random random;
    random.Seed(kFirstSecond + k);
    int sum = 0;
    for (int n = counts.perSecond[k]; n > 0; --n) sum += random.Draw();
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["draws"] = counts.average;
}

const bool registered = [] {
  for (int style = 0; style < kStyleCount; ++style) {
    for (int role = 0; role < kRoleCount; ++role) {
      const std::string name = std::string(kStyleTable[style].name) + "/" + kRoleNames[role];
      benchmark::RegisterBenchmark(("Compose/" + name).c_str(), ComposeComments, style, role);
      benchmark::RegisterBenchmark(("DrawsAlone/" + name).c_str(), DrawAlone, style, role);
    }
  }
  return true;
}();

}  // namespace
}  // namespace kz
