// Feeds the word-bank loader whole string tables, line k being string 200 + k (the
// 127th the spelling pairs, 500; seeded with the stored table, see CMakeLists.txt):
// every entry stays terminated inside its width, and ASan watches every write.
#include <algorithm>
#include <cstring>
#include <string>

#include "fuzz/fuzz.h"
#include "tests/compose/composer_fixture.h"

using namespace kz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr int kListCount = kGroupCount * kListsPerGroup;
  auto checkTerminated = [](const char* entry, int size) { fuzz::Check(std::memchr(entry, '\0', size)); };
  testing_support::MapStrings strings;
  const std::string input(reinterpret_cast<const char*>(data), size);
  for (size_t line = 0, at = 0; line <= kListCount && at < size; ++line) {
    const size_t end = std::min(input.find('\n', at), size);
    strings.texts[line < kListCount ? kFirstWordListString + static_cast<int>(line) : kSpellingPairsString] =
        input.substr(at, end - at);
    at = end + 1;
  }
  static Composer composer;  // 800 KB: kept out of the stack
  std::memset(&composer, 0, sizeof composer);
  composer.instance = &strings, composer.LoadWordLists(), composer.LoadSpellingPairs();

  for (const WordGroup& group : composer.groups) {
    for (int list = 0; list < kListsPerGroup; ++list) {
      for (int e = 0; e < kEntriesPerList; ++e) {
        checkTerminated(group.Entry(list, e), list < kShortListCount ? kShortEntrySize : kLongEntrySize);
      }
    }
  }
  for (const char* word : composer.spellingPairs.words) checkTerminated(word, kSpellingWordSize), composer.EuropeanForm(word);
  return 0;
}
