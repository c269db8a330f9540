// Composes with arbitrary slider records (any style, role, knob y and
// enable byte), arbitrary leftover section texts and, now and then, word
// lists damaged in any way, and checks that every text stays terminated
// inside its array and that the comment shown is the one composed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"

namespace {

struct Shown final : kz::CommentDisplay {
  std::string comment;
  int count = 0;
  void ShowComment(const char* text, const char*) override {
    comment = text;
    ++count;
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

bool Terminated(const char* text, size_t size) { return std::memchr(text, '\0', size) != nullptr; }

kz::Seconds fuzzSecond = 0;
kz::Seconds FuzzClock() { return fuzzSecond; }

// Fills a list with words from the input: any length, empty entries too.
void Damage(FuzzedDataProvider& input, kz::WordGroup& group, int list) {
  const bool isShort = list < kz::kShortListCount;
  const int size = isShort ? kz::kShortEntrySize : kz::kLongEntrySize;
  for (int e = 0; e < kz::kEntriesPerList; ++e) {
    char* entry = isShort ? group.shortLists[list].entries[e]
                          : group.longLists[list - kz::kShortListCount].entries[e];
    std::memset(entry, 0, static_cast<size_t>(size));
  }
  const int words = input.ConsumeIntegralInRange<int>(0, 8);
  for (int w = 0; w < words; ++w) {
    const int e = input.ConsumeIntegralInRange<int>(0, kz::kEntriesPerList - 1);
    char* entry = isShort ? group.shortLists[list].entries[e]
                          : group.longLists[list - kz::kShortListCount].entries[e];
    const std::string word = input.ConsumeRandomLengthString(static_cast<size_t>(size - 1));
    std::memcpy(entry, word.data(), word.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const kz::StoredStrings stored;
  static kz::Composer pristine, composer;  // 800 KB each: kept out of the stack
  static bool loaded = false;
  if (!loaded) {
    pristine.instance = &stored;
    pristine.LoadWordLists();
    pristine.LoadSpellingPairs();
    composer = pristine;
    kz::SetClock(FuzzClock);
    loaded = true;
  }

  FuzzedDataProvider input(data, size);
  kz::ComposeSettings settings = {};
  // Mostly the table's styles and roles, and one past either end of each.
  settings.style = input.ConsumeBool() ? input.ConsumeIntegralInRange<int32_t>(-1, 6)
                                       : input.ConsumeIntegral<int32_t>();
  settings.role = input.ConsumeBool() ? input.ConsumeIntegralInRange<int32_t>(-1, 2)
                                      : input.ConsumeIntegral<int32_t>();
  settings.spelling = input.ConsumeIntegralInRange<int32_t>(-1, 2);
  for (kz::SectionSettings& section : settings.sections) {
    section.y = input.ConsumeBool() ? input.ConsumeIntegralInRange<int32_t>(40, 120)
                                    : input.ConsumeIntegral<int32_t>();
    section.enabled = input.ConsumeBool();
  }
  fuzzSecond = input.ConsumeIntegral<int64_t>();  // any second, 2038 and 1901 too

  // Leftover texts of earlier runs, which frozen sections keep.
  for (auto& text : composer.sectionText) {
    std::memset(text, 0, sizeof text);
    const std::string old = input.ConsumeRandomLengthString(sizeof text);
    std::memcpy(text, old.data(), old.size());
  }

  int damagedGroups[2] = {-1, -1};
  for (int& g : damagedGroups) {
    if (!input.ConsumeBool()) break;
    g = input.ConsumeIntegralInRange<int>(0, kz::kGroupCount - 1);
    Damage(input, composer.groups[g], input.ConsumeIntegralInRange<int>(0, kz::kListsPerGroup - 1));
  }

  Shown shown;
  composer.window = &shown;
  composer.Compose(settings);
  composer.window = nullptr;

  // Frozen sections keep what they had, terminated or not; the rest is new.
  for (int s = 0; s < kz::kSectionCount; ++s) {
    if (settings.sections[s].enabled) Check(Terminated(composer.sectionText[s], sizeof composer.sectionText[s]));
  }
  Check(Terminated(composer.outputText, sizeof composer.outputText));
  Check(shown.count == 1 && shown.comment == composer.outputText);

  for (int g : damagedGroups) {
    if (g >= 0) composer.groups[g] = pristine.groups[g];
  }
  return 0;
}
