// Feeds FinishComment any text up to the full size of the comment array,
// terminated or not, and checks that the finished comment stays inside the
// array, is what is shown, and carries the right length mark.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "compose/composer.h"
#include "compose/finish.h"

namespace {

struct Shown final : kz::CommentDisplay {
  std::string texts[2];
  int count = 0;
  void ShowComment(const char* comment, const char* mark) override {
    texts[0] = comment;
    texts[1] = mark;
    ++count;
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static kz::Composer composer;  // 800 KB: kept out of the stack
  if (size > sizeof composer.outputText) size = sizeof composer.outputText;
  std::memset(composer.outputText, 0, sizeof composer.outputText);
  std::memcpy(composer.outputText, data, size);
  // An unterminated text counts as cut at the last byte of the array.
  const void* stop = std::memchr(composer.outputText, '\0', sizeof composer.outputText - 1);
  const size_t before = stop ? static_cast<size_t>(static_cast<const char*>(stop) - composer.outputText)
                             : sizeof composer.outputText - 1;

  Shown shown;
  composer.window = &shown;
  composer.FinishComment();
  composer.window = nullptr;

  const void* end = std::memchr(composer.outputText, '\0', sizeof composer.outputText);
  Check(end != nullptr);
  const size_t after = std::strlen(composer.outputText);
  Check(after <= before + 1 && after + 1 >= before);
  Check(shown.count == 1);
  Check(shown.texts[0] == composer.outputText);
  Check(shown.texts[1] == kz::LengthMark(static_cast<int>(after)));
  // The comment ends in a full stop, "!" or ")" unless the array is full.
  const char last = after ? composer.outputText[after - 1] : '\0';
  Check(after == sizeof composer.outputText - 1 || last == '.' || last == '!' || last == ')');
  return 0;
}
