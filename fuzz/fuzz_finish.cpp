// FinishComment on any text, terminated or not: the comment stays inside its array,
// changes length by one at most, is what is shown, and ends as a sentence.
#include <algorithm>
#include <cstring>

#include "compose/finish.h"
#include "fuzz/fuzz.h"
#include "tests/compose/composer_fixture.h"

using kz::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static kz::Composer composer;  // 800 KB: kept out of the stack
  char* text = composer.outputText;
  std::memset(text, 0, kz::kTextSize);
  std::memcpy(text, data, std::min<size_t>(size, kz::kTextSize));
  // An unterminated text counts as cut at the last byte of the array.
  const size_t before = strnlen(text, kz::kTextSize - 1);
  kz::testing_support::RecordingDisplay shown;
  composer.window = &shown, composer.FinishComment();
  Check(std::memchr(text, '\0', kz::kTextSize) != nullptr);
  const size_t after = std::strlen(text);
  Check(after <= before + 1 && after + 1 >= before);
  Check(shown.count == 1 && shown.comment == text && shown.mark == kz::LengthMark(static_cast<int>(after)));
  // The comment ends in a full stop, "!" or ")" unless the array is full.
  const char last = after ? text[after - 1] : '\0';
  Check(after == kz::kTextSize - 1 || last == '.' || last == '!' || last == ')');
  return 0;
}
