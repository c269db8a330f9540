// The replaceable clock behind the random source.
#include "compose/random.h"

#include <ctime>

namespace kz {
namespace {
ClockFunction installedClock = nullptr;
}

std::uint32_t SystemClockSeconds() {
  return static_cast<std::uint32_t>(std::time(nullptr));
}

void SetClock(ClockFunction clock) { installedClock = clock; }

std::uint32_t ClockSeconds() {
  return installedClock ? installedClock() : SystemClockSeconds();
}

}  // namespace kz
