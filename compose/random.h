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

using ClockFunction = std::uint32_t (*)();

// The system clock in whole seconds (truncated to 32 bits, as a seed is).
std::uint32_t SystemClockSeconds();

// Replaces the clock; nullptr restores the system clock.
void SetClock(ClockFunction clock);

// The current time in whole seconds, from the installed clock.
std::uint32_t ClockSeconds();

// What every window message and every composition begins with.
inline void ReseedFromClock() { SeedRandom(ClockSeconds()); }

}  // namespace kz
