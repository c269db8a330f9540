// The composer: the word bank, the three section texts and the comment, and
// the operations that fill, compose, finish and show them.
#pragma once

#include <cstdint>

#include "compose/text_seams.h"
#include "compose/compose_settings.h"
#include "compose/random.h"

namespace kz {

constexpr int kGroupCount = 18;
constexpr int kListsPerGroup = 7;
constexpr int kShortListCount = 4;  // lists 0..3 are short, 4..6 long
constexpr int kEntriesPerList = 200;
constexpr int kShortEntrySize = 18;  // 17 characters and the terminator
constexpr int kLongEntrySize = 50;   // 49 characters and the terminator
constexpr int kSpellingWordSize = 18;
constexpr int kSpellingWordCount = 4;  // two American/European pairs

// Section texts and the comment are sized for the longest comment the
// stored word lists can compose (about 115 characters joined, the final
// full stop and the terminator), so a comment is never cut.
constexpr int kTextSize = 128;

// First word-list string, and the spelling pairs string.
constexpr int kFirstWordListString = 200;
constexpr int kSpellingPairsString = 500;

struct ShortList {
  char entries[kEntriesPerList][kShortEntrySize];
};

struct LongList {
  char entries[kEntriesPerList][kLongEntrySize];
};

struct WordGroup {
  ShortList shortLists[kShortListCount];
  LongList longLists[kListsPerGroup - kShortListCount];

  // Entry `index` of list `list` (0..6); "" when the entry holds no word.
  const char* Entry(int list, int index) const {
    return list < kShortListCount
               ? shortLists[list].entries[index]
               : longLists[list - kShortListCount].entries[index];
  }
};

using WordBank = WordGroup[kGroupCount];

struct SpellingPairs {
  // American form of pair 0, its European form, then the same for pair 1.
  char words[kSpellingWordCount][kSpellingWordSize];
};

struct Composer {
  const StringSource* instance;  // where the word lists are loaded from
  CommentDisplay* window;        // where the comment and its mark are shown
  char sectionText[kSectionCount][kTextSize];
  char outputText[kTextSize];
  WordBank groups;
  SpellingPairs spellingPairs;

  // Fills the word lists from their strings (kFirstWordListString on), then
  // shows the start-up texts.
  void LoadWordLists();
  // Fills the spelling pairs from their string.
  void LoadSpellingPairs();
  // The European form of an American word in the pairs, else `word` itself.
  const char* EuropeanForm(const char* word) const;

  // Copies the template set for `style` and `role` into the working set;
  // returns the step count (11), or 0 when there is no such set.
  int SelectTemplate(int style, int role);
  // Composes, finishes and shows a new comment, drawing from `random`.
  void Compose(const ComposeSettings& settings, Random& random);
  // Tidies `outputText` in place and shows it with its length mark.
  void FinishComment();
};

}  // namespace kz
