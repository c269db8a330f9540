// The program's random source and clock.
//
// The generator is the classic C run-time one, step for step, so that a
// given seed always yields the same comment on every platform. The clock is
// a plain function pointer that tests and the command-line tool can replace
// to fix the second every draw depends on.
#pragma once

#include <cstdint>

namespace kz {

// Generator state; one per process, like the run-time library's.
inline std::uint32_t randomState = 1;

inline void SeedRandom(std::uint32_t seed) { randomState = seed; }

// A value from 0 to 32767.
inline int DrawRandom() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

// Seconds since 1970 on every build: 64 bits, so the clock runs on past
// 2038-01-19, where a 32-bit time_t stops.
using Seconds = std::int64_t;
static_assert(sizeof(Seconds) == 8, "the clock reads 64-bit seconds");

using ClockFunction = Seconds (*)();

// The system clock in whole seconds.
Seconds SystemClockSeconds();

// Replaces the clock; nullptr restores the system clock.
void SetClock(ClockFunction clock);

// The current time in whole seconds, from the installed clock.
Seconds ClockSeconds();

// The seed of second `second`: its low 32 bits, as the classic
// srand((unsigned)time(NULL)) takes them.
constexpr std::uint32_t SeedOfSecond(Seconds second) { return static_cast<std::uint32_t>(second); }

// What every window message and every composition begins with.
inline void ReseedFromClock() { SeedRandom(SeedOfSecond(ClockSeconds())); }

}  // namespace kz
