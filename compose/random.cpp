// The system clock the random source is seeded from.
#include "compose/random.h"

#if defined(_WIN32)
#include <time.h>  // _time64: msvcrt's time() is 32-bit in a 32-bit program
#elif defined(__EMSCRIPTEN__)
#include <emscripten/html5.h>  // emscripten_date_now: its time_t is 32-bit
#else
#include <ctime>
static_assert(sizeof(std::time_t) == 8, "time() reads 64-bit seconds");
#endif

namespace kz {
Seconds SystemClockSeconds() {
#if defined(_WIN32)
  return _time64(nullptr);
#elif defined(__EMSCRIPTEN__)
  return static_cast<Seconds>(emscripten_date_now() / 1000.0);
#else
  return std::time(nullptr);
#endif
}

}  // namespace kz
