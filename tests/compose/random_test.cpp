// The random source matches the classic run-time generator, and the clock
// can be fixed.
#include <gtest/gtest.h>

#include "compose/random.h"

namespace kz {
namespace {

TEST(Random, MatchesTheClassicGenerator) {
  struct Case {
    std::uint32_t seed;
    int first[5];
  } cases[] = {
      {1, {41, 18467, 6334, 26500, 19169}},
      {0, {38, 7719, 21238, 2437, 8855}},
  };
  for (const Case& k : cases) {
    SeedRandom(k.seed);
    for (int v : k.first) EXPECT_EQ(DrawRandom(), v) << "seed " << k.seed;
  }
}

TEST(Random, StaysInRangeAndWrapsItsState) {
  SeedRandom(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int v = DrawRandom();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

std::uint32_t FixedClock() { return 1234567u; }

TEST(Random, TheClockCanBeFixed) {
  SetClock(FixedClock);
  EXPECT_EQ(ClockSeconds(), 1234567u);
  ReseedFromClock();
  const int a = DrawRandom();
  ReseedFromClock();
  EXPECT_EQ(DrawRandom(), a);
  SetClock(nullptr);
  EXPECT_NEAR(static_cast<double>(ClockSeconds()), static_cast<double>(SystemClockSeconds()), 2.0);
}

}  // namespace
}  // namespace kz
