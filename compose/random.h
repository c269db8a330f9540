// The program's random source and clock.
//
// The generator is the classic C run-time one, step for step, so that a
// given seed always yields the same comment on every platform. Each owner
// keeps its own; the clock it is seeded from is a plain function pointer
// that tests and the command-line tool replace to fix the second.
#pragma once

#include <cstdint>

namespace kz {

struct Random {
  std::uint32_t state = 1;

  void Seed(std::uint32_t seed) { state = seed; }

  // A value from 0 to 32767.
  int Draw() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }
};

// Seconds since 1970 on every build: 64 bits, so the clock runs on past
// 2038-01-19, where a 32-bit time_t stops.
using Seconds = std::int64_t;
static_assert(sizeof(Seconds) == 8, "the clock reads 64-bit seconds");

using ClockFunction = Seconds (*)();

// The system clock in whole seconds.
Seconds SystemClockSeconds();

// The seed of second `second`: its low 32 bits, as the classic
// srand((unsigned)time(NULL)) takes them.
constexpr std::uint32_t SeedOfSecond(Seconds second) { return static_cast<std::uint32_t>(second); }

}  // namespace kz
