// What the fuzz targets share: a failed check aborts, which libFuzzer
// reports with the input; numbers that are any int though mostly in a range
// of interest; and a display that records the comments shown.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "compose/text_seams.h"

namespace kz::fuzz {

inline void Check(bool ok) {
  if (!ok) std::abort();
}

inline int Mostly(FuzzedDataProvider& input, int low, int high) {
  return input.ConsumeBool() ? input.ConsumeIntegralInRange(low, high) : input.ConsumeIntegral<int>();
}

struct Shown final : CommentDisplay {
  std::string comment, mark;
  int count = 0;
  void ShowComment(const char* text, const char* lengthMark) override {
    comment = text, mark = lengthMark, ++count;
  }
};

}  // namespace kz::fuzz
