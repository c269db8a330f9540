// Loading the word lists and the spelling pairs, and the spelling lookup.
#include <cstring>

#include "compose/composer.h"

namespace kz {
namespace {

// Strings are loaded into a buffer of this size with this limit, so a loaded
// text has at most 998 characters and is always terminated.
constexpr int kLoadBufferSize = 1000;
constexpr int kLoadLimit = 999;

// The "C" locale's classes, on the byte value: bytes above 127 are ordinary
// characters.
bool IsSeparator(unsigned char ch) {
  return ch == ' ' || (ch >= '\t' && ch <= '\r');
}
bool IsDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }

// Walks one loaded list text and hands each word to `put(text, length)`:
// a word is the run of characters before a separator; two adjacent
// separators, or the end of the text, complete the list. A separator right
// at the start gives an empty word.
template <typename Put>
void WalkWords(const char* buffer, Put put) {
  int start = 0;
  for (int p = 0; p < kLoadLimit; ++p) {
    const unsigned char ch = static_cast<unsigned char>(buffer[p]);
    if (ch == '\0') {
      if (p > start) put(buffer + start, p - start);
      return;
    }
    if (IsSeparator(ch)) {
      put(buffer + start, p - start);
      if (IsSeparator(static_cast<unsigned char>(buffer[p + 1]))) return;
      start = p + 1;
    }
  }
}

// Copies a word into an entry of `size` bytes, cutting what does not fit;
// in word lists a digit stands for a space.
void StoreWord(char* entry, int size, const char* word, int length,
               bool digitsAreSpaces) {
  if (length > size - 1) length = size - 1;
  for (int c = 0; c < length; ++c) {
    const char ch = word[c];
    entry[c] = digitsAreSpaces && IsDigit(static_cast<unsigned char>(ch)) ? ' ' : ch;
  }
  entry[length] = '\0';
}

// Loads string `id`; a missing string reads as an empty text, never as what
// the buffer held before.
void LoadInto(const StringSource* source, int id, char* buffer) {
  if (!source || source->LoadText(id, buffer, kLoadLimit) <= 0) buffer[0] = '\0';
  buffer[kLoadBufferSize - 1] = '\0';
}

}  // namespace

void Composer::LoadWordLists() {
  char buffer[kLoadBufferSize] = {};
  for (int g = 0; g < kGroupCount; ++g) {
    for (int l = 0; l < kListsPerGroup; ++l) {
      LoadInto(instance, kFirstWordListString + kListsPerGroup * g + l, buffer);
      WordGroup& group = groups[g];
      int e = 0;
      WalkWords(buffer, [&](const char* word, int length) {
        if (e >= kEntriesPerList) return;  // a list holds 200 words at most
        if (l < kShortListCount) {
          StoreWord(group.shortLists[l].entries[e], kShortEntrySize, word, length, true);
        } else {
          StoreWord(group.longLists[l - kShortListCount].entries[e], kLongEntrySize,
                    word, length, true);
        }
        ++e;
      });
    }
  }
  if (window) window->ShowComment("Revavav Evovod", "00");
}

void Composer::LoadSpellingPairs() {
  char buffer[kLoadBufferSize] = {};
  LoadInto(instance, kSpellingPairsString, buffer);
  int e = 0;
  WalkWords(buffer, [&](const char* word, int length) {
    if (e >= kSpellingWordCount) return;
    StoreWord(spellingPairs.words[e], kSpellingWordSize, word, length, false);
    ++e;
  });
}

const char* Composer::EuropeanForm(const char* word) const {
  for (int pair = 0; pair < kSpellingWordCount / 2; ++pair) {
    if (std::strcmp(word, spellingPairs.words[2 * pair]) == 0) {
      return spellingPairs.words[2 * pair + 1];
    }
  }
  return word;
}

}  // namespace kz
