// Feeds the word-bank loader arbitrary string tables: any text, any length,
// missing strings, and checks that every entry stays terminated inside its
// width (AddressSanitizer watches every write).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "compose/composer.h"

namespace {

struct FuzzedStrings final : kz::StringSource {
  std::map<int, std::string> texts;
  int LoadText(int id, char* buffer, int limit) const override {
    auto it = texts.find(id);
    if (it == texts.end()) return 0;
    const int n = static_cast<int>(std::min<size_t>(it->second.size(), static_cast<size_t>(limit - 1)));
    std::memcpy(buffer, it->second.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
  }
};

void CheckTerminated(const char* entry, int size) {
  if (std::memchr(entry, '\0', static_cast<size_t>(size)) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  FuzzedStrings strings;
  for (int id = 200; id <= 325 && input.remaining_bytes() > 0; ++id) {
    if (input.ConsumeBool()) strings.texts[id] = input.ConsumeRandomLengthString(1200);
  }
  strings.texts[500] = input.ConsumeRandomLengthString(1200);

  static kz::Composer composer;  // 800 KB: kept out of the stack
  std::memset(&composer, 0, sizeof composer);
  composer.instance = &strings;
  composer.LoadWordLists();
  composer.LoadSpellingPairs();

  for (const kz::WordGroup& group : composer.groups) {
    for (int list = 0; list < kz::kListsPerGroup; ++list) {
      const int width = list < kz::kShortListCount ? kz::kShortEntrySize : kz::kLongEntrySize;
      for (int e = 0; e < kz::kEntriesPerList; ++e) CheckTerminated(group.Entry(list, e), width);
    }
  }
  for (const char* word : composer.spellingPairs.words) {
    CheckTerminated(word, kz::kSpellingWordSize);
    composer.EuropeanForm(word);
  }
  return 0;
}
