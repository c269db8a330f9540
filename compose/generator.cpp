// Compose: walks the eleven steps of the selected template, draws a word for
// every step, lets each section's knob decide which steps reach its text,
// joins the shown sections and hands the comment to FinishComment.
//
// A comment takes hundreds of draws, each depending on the one before, so
// the draw loops are kept to the draw itself, a table look-up and a compare:
// nothing in them divides, reads the word lists or branches on a coin toss.
// bench/compose_bench.cpp shows what that buys: each style's Compose beside
// DrawsAlone, the same draws with nothing else.

#include <cstring>

#include "compose/bounded_text.h"
#include "compose/composer.h"
#include "compose/generator.h"
#include "compose/random.h"
#include "compose/templates.h"

namespace kz {
namespace {

constexpr int kPickKindCount = 8;

// What a drawn word is tested for to settle its word class.
enum WordTest { kNoTest, kFullStopAttaches, kCommaOrDashAttaches, kBlankIsLone };

struct PickRule {
  int list;       // the list read
  bool byChance;  // a second draw r picks short list `list` (r > 50) or long list 4
  WordTest test;
};

// Indexed by PickKind.
constexpr PickRule kPickRules[kPickKindCount] = {
    {0, false, kFullStopAttaches}, {1, false, kCommaOrDashAttaches},
    {2, false, kBlankIsLone},      {3, false, kFullStopAttaches},
    {4, false, kNoTest},           {5, false, kNoTest},
    {6, false, kNoTest},           {1, true, kNoTest},
};

// A draw by chance reads the long list when r is 50 or less.
constexpr int kChanceLongList = 4;
constexpr int kChanceSplit = 50;
constexpr int kChanceRange = 100;

// The working word holds any long-list entry.
constexpr int kWordSize = kLongEntrySize;

template <int Size>
using Entries = char[kEntriesPerList][Size];

// Entry index e = draw % 200 for every draw 0..32767, looked up rather than
// divided: the processor's one multiplier is kept free for the generator,
// which waits on it at every draw (see the benchmarks named above).
class EntryIndexTable {
 public:
  EntryIndexTable() {
    for (int draw = 0; draw <= kDrawMax; ++draw) {
      index_[draw] = static_cast<unsigned char>(draw % kEntriesPerList);
    }
  }
  int operator[](int draw) const { return index_[draw]; }

 private:
  static constexpr int kDrawMax = 32767;
  unsigned char index_[kDrawMax + 1];
};

const EntryIndexTable kEntryIndex;

int DrawEntryIndex(Random& random) { return kEntryIndex[random.Draw()]; }

// The loader fills entries from 0 without gaps, so a word stands at index e
// exactly when e is below the number of leading words, and the draw loops
// can test that without reading the entry. Only a damaged list (its text
// began with a separator) has an empty entry 0 and maybe words behind it;
// there, the draw loops read the entries themselves.
template <int Size>
int LeadingWords(const Entries<Size>& entries) {
  int count = 0;
  while (count < kEntriesPerList && entries[count][0] != '\0') ++count;
  return count;
}

template <int Size>
bool HoldsAWord(const Entries<Size>& entries) {
  for (const char* entry : entries) {
    if (entry[0] != '\0') return true;
  }
  return false;
}

// Draws entry indices until an entry holds a word; the list holds one.
template <int Size>
const char* DrawFrom(const Entries<Size>& entries, Random& random) {
  if (const int count = LeadingWords(entries)) {
    for (;;) {
      const int e = DrawEntryIndex(random);
      if (e < count) return entries[e];
    }
  }
  for (;;) {
    const char* entry = entries[DrawEntryIndex(random)];
    if (entry[0] != '\0') return entry;
  }
}

// Draws an entry index and then the list, until the entry holds a word;
// one of the lists holds one. The list is looked up by the coin toss, not
// branched to: the processor could not foresee the toss (see the benchmarks
// named above).
const char* DrawByChance(const Entries<kShortEntrySize>& shortEntries,
                         const Entries<kLongEntrySize>& longEntries, bool* isShort,
                         Random& random) {
  const char* const firsts[2] = {longEntries[0], shortEntries[0]};
  const int sizes[2] = {kLongEntrySize, kShortEntrySize};
  const int counts[2] = {LeadingWords(longEntries), LeadingWords(shortEntries)};
  const bool dense = counts[0] > 0 && counts[1] > 0;
  for (;;) {
    const int e = DrawEntryIndex(random);
    const int pick = random.Draw() % kChanceRange > kChanceSplit;  // 1: the short list
    const char* entry = firsts[pick] + sizes[pick] * e;
    if (dense ? e < counts[pick] : entry[0] != '\0') {
      *isShort = pick == 1;
      return entry;
    }
  }
}

bool IsSingle(const char* word, char ch) { return word[0] == ch && word[1] == '\0'; }

WordClass ClassOf(const char* entry, WordTest test) {
  switch (test) {
    case kFullStopAttaches:
      return IsSingle(entry, '.') ? kAttachedMark : kPlainWord;
    case kCommaOrDashAttaches:
      return IsSingle(entry, ',') || IsSingle(entry, '-') ? kAttachedMark : kPlainWord;
    case kBlankIsLone:
      return IsSingle(entry, ' ') ? kLoneBlank : kPlainWord;
    case kNoTest:
      break;
  }
  return kPlainWord;
}

struct WorkingWord {
  char text[kWordSize];
  int length;

  // Takes the text of an entry of Size bytes (at most kWordSize): the whole
  // entry is copied as one block, then measured.
  template <int Size>
  void Set(const char* source) {
    static_assert(Size <= kWordSize, "the working word holds any entry");
    std::memcpy(text, source, Size);
    text[Size - 1] = '\0';
    length = static_cast<int>(std::strlen(text));
  }
};

// Appends the working word to a section text of `length` characters. When
// the whole word buffer fits behind the text it is copied as one block.
int AppendWord(char* text, int length, const WorkingWord& word) {
  if (length + kWordSize < kTextSize) {
    std::memcpy(text + length, word.text, kWordSize);
    length += word.length;
    text[length] = '\0';
    return length;
  }
  return AppendBounded(text, length, kTextSize - 1, word.text, word.length);
}

// Draws a word from one list and classes it; a lone blank leaves the
// working word as it was.
template <int Size>
WordClass TakeWord(const Entries<Size>& entries, WordTest test, WorkingWord* word,
                   Random& random) {
  if (!HoldsAWord(entries)) return kLoneBlank;
  const char* entry = DrawFrom(entries, random);
  const WordClass wordClass = ClassOf(entry, test);
  if (wordClass != kLoneBlank) word->Set<Size>(entry);
  return wordClass;
}

// Runs one step's draws and leaves its word in `word`. A filler step draws
// one entry index and reads nothing, so the word stays the previous step's.
// A step whose lists hold no word at all (only with damaged word lists)
// draws nothing and adds nothing.
WordClass DrawWord(const WordBank& bank, const TemplateStep& step, WorkingWord* word,
                   Random& random) {
  if (step.pickKind < 0 || step.pickKind >= kPickKindCount) {
    random.Draw();
    return kPlainWord;
  }
  if (step.group < 0 || step.group >= kGroupCount) return kLoneBlank;
  const PickRule& rule = kPickRules[step.pickKind];
  const WordGroup& group = bank[step.group];

  if (rule.byChance) {
    const auto& longEntries = group.longLists[kChanceLongList - kShortListCount].entries;
    const auto& shortEntries = group.shortLists[rule.list].entries;
    if (!HoldsAWord(shortEntries) && !HoldsAWord(longEntries)) return kLoneBlank;
    bool isShort = false;
    const char* entry = DrawByChance(shortEntries, longEntries, &isShort, random);
    if (isShort) {
      word->Set<kShortEntrySize>(entry);
    } else {
      word->Set<kLongEntrySize>(entry);
    }
    return ClassOf(entry, rule.test);
  }
  return rule.list < kShortListCount
             ? TakeWord(group.shortLists[rule.list].entries, rule.test, word, random)
             : TakeWord(group.longLists[rule.list - kShortListCount].entries, rule.test, word,
                        random);
}

}  // namespace

void Composer::Compose(const ComposeSettings& settings, Random& source) {
  const SectionSettings* sections = settings.sections;
  // A local copy, which the compiler keeps in a register across the text
  // writes; handed back at the end.
  Random random = source;
  for (int s = 0; s < kSectionCount; ++s) {
    if (sections[s].enabled) ClearText(sectionText[s]);
  }
  ClearText(outputText);

  const int stepCount = SelectTemplate(settings.style, settings.role);
  const TemplateSet& set = WorkingSet();

  // Each section's knob picks its row once; frozen sections are not written.
  const std::int32_t* rows[kSectionCount];
  int lengths[kSectionCount] = {};
  for (int s = 0; s < kSectionCount; ++s) {
    rows[s] = set.sections[s].rows[kLevelCount - KnobLevel(sections[s].y)];
  }

  WorkingWord word = {};
  int rowCursor = 0;
  for (int step = 0; step < stepCount; ++step) {
    const WordClass wordClass = DrawWord(groups, set.shape.steps[step], &word, random);
    if (settings.spelling == 0) {
      const char* european = EuropeanForm(word.text);
      if (european != word.text) word.Set<kSpellingWordSize>(european);
    }

    // The step belongs to the last section that starts at or before it.
    const int s = step >= set.sections[2].start ? 2 : step >= set.sections[1].start ? 1 : 0;
    if (step == set.sections[s].start) rowCursor = 0;
    if (!sections[s].enabled || rowCursor >= kRowLength) continue;

    const std::int32_t named = rows[s][rowCursor];
    if (named == step) {
      ++rowCursor;
      char* text = sectionText[s];
      if (wordClass < kAttachedMark && step != 0) {
        lengths[s] = AppendBounded(text, lengths[s], kTextSize - 1, " ", 1);
      }
      if (wordClass != kLoneBlank) {
        lengths[s] = AppendWord(text, lengths[s], word);
      }
    } else if (named == -1) {
      ++rowCursor;  // a -1 consumes exactly this step
    }
  }

  // One byte stays free for the full stop that finishing may add.
  int length = 0;
  for (int s = 0; s < kSectionCount; ++s) {
    if (!IsShown(sections[s].y)) continue;
    const int sectionLength =
        sections[s].enabled ? lengths[s] : BoundedLength(sectionText[s], kTextSize);
    length = AppendChars(outputText, length, kTextSize - 2, sectionText[s], sectionLength);
  }
  source = random;
  FinishComment();
}

}  // namespace kz
