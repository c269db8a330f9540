// Compose: walks the eleven steps of the selected template, draws a word for
// every step, lets each section's knob decide which steps reach its text,
// joins the shown sections and hands the comment to FinishComment.
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
  int otherList;  // for a draw by chance: the list read when r <= 50
  bool byChance;  // a second draw r = rand() % 100 picks the list
  WordTest test;
};

// Indexed by PickKind.
constexpr PickRule kPickRules[kPickKindCount] = {
    {0, 0, false, kFullStopAttaches},  {1, 1, false, kCommaOrDashAttaches},
    {2, 2, false, kBlankIsLone},       {3, 3, false, kFullStopAttaches},
    {4, 4, false, kNoTest},            {5, 5, false, kNoTest},
    {6, 6, false, kNoTest},            {1, 4, true, kNoTest},
};

// A draw by chance reads the short list when r is above this.
constexpr int kChanceSplit = 50;
constexpr int kChanceRange = 100;

// The working word holds any long-list entry.
constexpr int kWordSize = kLongEntrySize;

int EntrySize(int list) { return list < kShortListCount ? kShortEntrySize : kLongEntrySize; }

// Entries are filled from 0 without gaps, so entry 0 nearly always tells;
// only a damaged list (one whose text began with a separator) has an empty
// entry 0 and words behind it.
bool HoldsAWord(const WordGroup& group, int list) {
  if (group.Entry(list, 0)[0] != '\0') return true;
  for (int e = 1; e < kEntriesPerList; ++e) {
    if (group.Entry(list, e)[0] != '\0') return true;
  }
  return false;
}

// Draws entry indices (and, by chance, lists) until an entry holds a word.
// The caller has made sure one of the lists does.
const char* DrawEntry(const WordGroup& group, const PickRule& rule, int* size) {
  if (!rule.byChance) {
    const char* first = group.Entry(rule.list, 0);
    const int stride = EntrySize(rule.list);
    *size = stride;
    for (;;) {
      const char* entry = first + stride * (DrawRandom() % kEntriesPerList);
      if (entry[0] != '\0') return entry;
    }
  }
  for (;;) {
    const int e = DrawRandom() % kEntriesPerList;
    const int list = DrawRandom() % kChanceRange > kChanceSplit ? rule.list : rule.otherList;
    const char* entry = group.Entry(list, e);
    if (entry[0] != '\0') {
      *size = EntrySize(list);
      return entry;
    }
  }
}

WordClass ClassOf(const char* entry, WordTest test) {
  switch (test) {
    case kFullStopAttaches:
      return std::strcmp(entry, ".") == 0 ? kAttachedMark : kPlainWord;
    case kCommaOrDashAttaches:
      return std::strcmp(entry, ",") == 0 || std::strcmp(entry, "-") == 0 ? kAttachedMark
                                                                           : kPlainWord;
    case kBlankIsLone:
      return std::strcmp(entry, " ") == 0 ? kLoneBlank : kPlainWord;
    case kNoTest:
      break;
  }
  return kPlainWord;
}

struct WorkingWord {
  char text[kWordSize];
  int length;

  void Set(const char* source, int size) {
    length = BoundedLength(source, size < kWordSize ? size : kWordSize);
    std::memcpy(text, source, static_cast<std::size_t>(length));
    text[length] = '\0';
  }
};

// Runs one step's draws and leaves its word in `word`. A filler step draws
// one entry index and reads nothing, so the word stays the previous step's.
// A step whose lists hold no word at all (only with damaged word lists)
// draws nothing and adds nothing.
WordClass DrawWord(const WordBank& bank, const TemplateStep& step, WorkingWord* word) {
  if (step.pickKind < 0 || step.pickKind >= kPickKindCount) {
    DrawRandom();
    return kPlainWord;
  }
  const PickRule& rule = kPickRules[step.pickKind];
  if (step.group < 0 || step.group >= kGroupCount) return kLoneBlank;
  const WordGroup& group = bank[step.group];
  if (!HoldsAWord(group, rule.list) && !(rule.byChance && HoldsAWord(group, rule.otherList))) {
    return kLoneBlank;
  }
  int size = 0;
  const char* entry = DrawEntry(group, rule, &size);
  const WordClass wordClass = ClassOf(entry, rule.test);
  if (wordClass != kLoneBlank) word->Set(entry, size);
  return wordClass;
}

}  // namespace

int Composer::Compose(int spelling, int role, const SliderRecord* sliders) {
  if (!sliders) return 0;
  ReseedFromClock();
  for (int s = 0; s < kSectionCount; ++s) {
    if (sliders[s].enabled == 1) std::memset(sectionText[s], 0, sizeof sectionText[s]);
  }
  std::memset(outputText, 0, sizeof outputText);

  const int stepCount = SelectTemplate(role, sliders);
  const TemplateSet& set = WorkingSet();

  // Each section's knob picks its row once; frozen sections are not written.
  const std::int32_t* rows[kSectionCount];
  int lengths[kSectionCount] = {};
  for (int s = 0; s < kSectionCount; ++s) {
    rows[s] = set.sections[s].rows[kLevelCount - KnobLevel(sliders[s].y)];
  }

  WorkingWord word = {};
  int rowCursor = 0;
  for (int step = 0; step < stepCount; ++step) {
    const WordClass wordClass = DrawWord(groups, set.shape.steps[step], &word);
    if (spelling == 0) {
      const char* european = EuropeanForm(word.text);
      if (european != word.text) word.Set(european, kSpellingWordSize);
    }

    // The step belongs to the last section that starts at or before it.
    const int s = step >= set.sections[2].start ? 2 : step >= set.sections[1].start ? 1 : 0;
    if (step == set.sections[s].start) rowCursor = 0;
    if (sliders[s].enabled != 1 || rowCursor >= kRowLength) continue;

    const std::int32_t named = rows[s][rowCursor];
    if (named == step) {
      ++rowCursor;
      char* text = sectionText[s];
      if (wordClass < kAttachedMark && step != 0) {
        lengths[s] = AppendBounded(text, lengths[s], kTextSize - 1, " ", 1);
      }
      if (wordClass != kLoneBlank) {
        lengths[s] = AppendBounded(text, lengths[s], kTextSize - 1, word.text, word.length);
      }
    } else if (named == -1) {
      ++rowCursor;  // a -1 consumes exactly this step
    }
  }

  // One byte stays free for the full stop that finishing may add.
  int length = 0;
  for (int s = 0; s < kSectionCount; ++s) {
    if (!IsShown(sliders[s].y)) continue;
    length = AppendBounded(outputText, length, kTextSize - 2, sectionText[s],
                           BoundedLength(sectionText[s], kTextSize));
  }
  FinishComment();
  return 0;
}

}  // namespace kz
