// Feeds the word-bank loader whole string tables: line k of the input is
// string 200 + k (the 127th line is the spelling pairs, 500), any text of any
// length; a line not there is a missing string. Seeded with the stored table
// (see CMakeLists.txt), lines grow past the 998-character load limit and
// lists past their 200 entries. Every entry must stay terminated inside its
// width (AddressSanitizer watches every write).
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "compose/composer.h"

namespace {

struct FuzzedStrings final : kz::StringSource {
  std::map<int, std::string> texts;
  int LoadText(int id, char* buffer, int limit) const override {
    auto it = texts.find(id);
    if (it == texts.end()) return 0;
    const int n = static_cast<int>(it->second.copy(buffer, static_cast<size_t>(limit - 1)));
    buffer[n] = '\0';
    return n;
  }
};

void CheckTerminated(const char* entry, int size) {
  if (std::memchr(entry, '\0', static_cast<size_t>(size)) == nullptr) std::abort();
}

constexpr int kListCount = kz::kGroupCount * kz::kListsPerGroup;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedStrings strings;
  const std::string input(reinterpret_cast<const char*>(data), size);
  for (size_t line = 0, at = 0; line <= kListCount && at < size; ++line) {
    size_t end = input.find('\n', at);
    if (end == std::string::npos) end = size;
    const int id = line < kListCount ? kz::kFirstWordListString + static_cast<int>(line)
                                     : kz::kSpellingPairsString;
    strings.texts[id] = input.substr(at, end - at);
    at = end + 1;
  }

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
