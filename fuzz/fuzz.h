// What the fuzz targets share: a failed check aborts, which libFuzzer
// reports with the input; numbers are any int, though mostly in a range.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace kz::fuzz {

inline void Check(bool ok) {
  if (!ok) std::abort();
}

inline int Mostly(FuzzedDataProvider& input, int low, int high) {
  return input.ConsumeBool() ? input.ConsumeIntegralInRange(low, high) : input.ConsumeIntegral<int>();
}

}  // namespace kz::fuzz
