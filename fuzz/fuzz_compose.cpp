// Composes with any settings, any leftover section texts and now and then damaged word
// lists: every text stays terminated in its array, and the comment shown is the one composed.
#include <cstring>

#include "fuzz/fuzz.h"
#include "tests/compose/composer_fixture.h"

using namespace kz;
using namespace kz::testing_support;
using kz::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto terminated = [](const char* text) { return std::memchr(text, '\0', kTextSize); };
  static const std::unique_ptr<Composer> pristine = StoredComposer(), composer = StoredComposer();
  FuzzedDataProvider input(data, size);
  // Mostly the table's styles and roles, and one past either end of each.
  const int style = fuzz::Mostly(input, -1, 6), role = fuzz::Mostly(input, -1, 2);
  const int spelling = input.ConsumeIntegralInRange(-1, 2);
  int y[kSectionCount];
  bool frozen[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) y[s] = fuzz::Mostly(input, 40, 120), frozen[s] = !input.ConsumeBool();
  const Seconds second = input.ConsumeIntegral<int64_t>();  // any second, 2038 and 1901 too
  for (auto& text : composer->sectionText) {  // which frozen sections keep
    const std::string old = input.ConsumeRandomLengthString(kTextSize);
    std::memset(text, 0, kTextSize), std::memcpy(text, old.data(), old.size());
  }
  // A list or two of words from the input: any length, empty entries too.
  int damaged[2] = {-1, -1};
  for (int g = 0; g < 2 && input.ConsumeBool(); ++g) {
    damaged[g] = input.ConsumeIntegralInRange(0, kGroupCount - 1);
    const int list = input.ConsumeIntegralInRange(0, kListsPerGroup - 1);
    const int width = list < kShortListCount ? kShortEntrySize : kLongEntrySize;
    auto entry = [&](int e) { return const_cast<char*>(composer->groups[damaged[g]].Entry(list, e)); };
    for (int e = 0; e < kEntriesPerList; ++e) std::memset(entry(e), 0, width);
    for (int words = input.ConsumeIntegralInRange(0, 8); words > 0; --words) {
      const std::string word = input.ConsumeRandomLengthString(width - 1);
      std::memcpy(entry(input.ConsumeIntegralInRange(0, kEntriesPerList - 1)), word.data(), word.size());
    }
  }
  RecordingDisplay shown;
  composer->window = &shown;
  ComposeAt(*composer, second, style, role, spelling, y, frozen);
  for (int s = 0; s < kSectionCount; ++s) Check(frozen[s] || terminated(composer->sectionText[s]));
  Check(terminated(composer->outputText) && shown.count == 1 && shown.comment == composer->outputText);
  for (int g : damaged) if (g >= 0) composer->groups[g] = pristine->groups[g];
  return 0;
}
