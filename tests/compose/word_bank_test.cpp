// The word bank as loaded from the stored strings, and the loader's guards
// against strings the stored table never holds.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "compose/composer.h"
#include "compose/stored_strings.h"

namespace kz {
namespace {

// Counts the words of a list: entries are filled from 0 without gaps.
int WordCount(const Composer& c, int group, int list) {
  int n = 0;
  while (n < kEntriesPerList && c.groups[group].Entry(list, n)[0] != '\0') ++n;
  return n;
}

struct RecordingDisplay final : TextDisplay {
  std::map<int, std::string> texts;
  void ShowText(int id, const char* text) override { texts[id] = text; }
};

std::unique_ptr<Composer> LoadStored(RecordingDisplay* display = nullptr) {
  static StoredStrings stored;
  auto c = std::make_unique<Composer>();
  c->instance = &stored;
  c->window = display;
  c->LoadWordLists();
  c->LoadSpellingPairs();
  return c;
}

TEST(WordBank, EveryStoredListLoadsItsWordCount) {
  // string id -> words loaded; every other id from 200 to 325 is "none".
  const std::map<int, int> counts = {
      {200, 2},  {201, 4},  {202, 10}, {203, 6},  {204, 5},  {205, 2},  {207, 1},
      {211, 1},  {212, 1},  {221, 16}, {222, 16}, {228, 39}, {230, 27}, {235, 2},
      {242, 9},  {244, 7},  {251, 7},  {256, 2},  {263, 6},  {273, 15}, {277, 1},
      {278, 3},  {280, 5},  {284, 12}, {285, 5},  {287, 7},  {288, 2},  {291, 14},
      {293, 1},  {298, 13}, {299, 8},  {301, 10}, {302, 4},  {305, 6},  {307, 4},
      {312, 11}, {315, 4},  {319, 22}, {320, 3},  {321, 26}, {322, 1}};
  auto c = LoadStored();
  int noneLists = 0;
  for (int id = 200; id <= 325; ++id) {
    const int g = (id - 200) / 7, l = (id - 200) % 7;
    auto it = counts.find(id);
    if (it != counts.end()) {
      EXPECT_EQ(WordCount(*c, g, l), it->second) << "string " << id;
    } else {
      ++noneLists;
      EXPECT_EQ(WordCount(*c, g, l), 1) << "string " << id;
      EXPECT_STREQ(c->groups[g].Entry(l, 0), "none") << "string " << id;
    }
  }
  EXPECT_EQ(noneLists, 85);
  for (int l = 0; l < kListsPerGroup; ++l) EXPECT_STREQ(c->groups[2].Entry(l, 0), "none");
}

TEST(WordBank, EntriesHoldTheWordsAndPhrasesAsStored) {
  auto c = LoadStored();
  struct Case {
    int group, list, index;
    const char* word;
  } cases[] = {
      {4, 0, 0, "good"},          {4, 0, 38, "golden"},       {4, 0, 39, ""},
      {0, 4, 0, "for the"},       {0, 4, 4, "considering the"},
      {12, 4, 0, "thank you"},    {14, 4, 0, "to deal"},      {0, 5, 1, "because of the"},
      {7, 2, 6, "cordial"},       {7, 2, 7, ""},
      {11, 3, 0, "."},            {11, 3, 1, "!"},            {11, 3, 2, "!"},
      {11, 3, 3, ":)"},           {11, 3, 4, ";)"},           {11, 3, 5, ""},
      {14, 3, 9, "followed-through"}, {16, 0, 8, "'bayer"},   {12, 3, 2, "A+++"},
      {2, 0, 1, ""},              {14, 2, 0, "none"},         {14, 2, 1, ""},
  };
  for (const Case& k : cases) {
    EXPECT_STREQ(c->groups[k.group].Entry(k.list, k.index), k.word)
        << k.group << ":" << k.list << "[" << k.index << "]";
  }
  // Entries past the last word stay empty all the way down.
  EXPECT_STREQ(c->groups[4].Entry(0, 199), "");
}

TEST(WordBank, ShowsTheStartUpTexts) {
  RecordingDisplay display;
  LoadStored(&display);
  EXPECT_EQ(display.texts[kCommentBox], "Revavav Evovod");
  EXPECT_EQ(display.texts[kLengthMarkBox], "00");
}

TEST(WordBank, EuropeanForm) {
  auto c = LoadStored();
  EXPECT_STREQ(c->spellingPairs.words[0], "honorable");
  EXPECT_STREQ(c->spellingPairs.words[3], "favourable");
  EXPECT_STREQ(c->EuropeanForm("honorable"), "honourable");
  EXPECT_STREQ(c->EuropeanForm("favorable"), "favourable");
  for (const char* same : {"honourable", "good", "Honorable", "", "favourable", "honorabl"}) {
    EXPECT_EQ(c->EuropeanForm(same), same) << same;  // the very same pointer
  }
}

// A string table of the test's own, for the loader's guards.
struct FakeStrings final : StringSource {
  std::map<int, std::string> texts;
  int LoadText(int id, char* buffer, int limit) const override {
    auto it = texts.find(id);
    if (it == texts.end()) return 0;  // like a missing resource: buffer untouched
    int n = 0;
    for (; n < limit - 1 && n < static_cast<int>(it->second.size()); ++n) buffer[n] = it->second[n];
    buffer[n] = '\0';
    return n;
  }
};

std::unique_ptr<Composer> LoadFake(const FakeStrings& strings) {
  auto c = std::make_unique<Composer>();
  c->instance = &strings;
  c->LoadWordLists();
  c->LoadSpellingPairs();
  return c;
}

TEST(WordBankGuards, LongWordsAreCutAtTheEntryWidth) {
  FakeStrings s;
  s.texts[200] = std::string(30, 'a') + " b  ";  // short list: 17 characters
  s.texts[204] = std::string(70, 'c') + "  ";    // long list: 49 characters
  s.texts[500] = std::string(25, 'h') + " x  ";
  auto c = LoadFake(s);
  EXPECT_EQ(std::string(c->groups[0].Entry(0, 0)), std::string(17, 'a'));
  EXPECT_STREQ(c->groups[0].Entry(0, 1), "b");
  EXPECT_EQ(std::string(c->groups[0].Entry(4, 0)), std::string(49, 'c'));
  EXPECT_EQ(std::string(c->spellingPairs.words[0]), std::string(17, 'h'));
  EXPECT_STREQ(c->spellingPairs.words[1], "x");
}

TEST(WordBankGuards, WordsPastTheListOrThePairsAreIgnored) {
  FakeStrings s;
  std::string many;
  for (int i = 0; i < 199; ++i) many += "w ";
  s.texts[228] = many + "last extra  ";  // 201 words
  s.texts[500] = "a b c d e f  ";
  auto c = LoadFake(s);
  EXPECT_EQ(WordCount(*c, 4, 0), 200);
  EXPECT_STREQ(c->groups[4].Entry(0, 199), "last");
  EXPECT_STREQ(c->spellingPairs.words[3], "d");
  EXPECT_STREQ(c->groups[4].Entry(1, 0), "");  // the next list is not touched
}

TEST(WordBankGuards, ListsEndAtTheTerminatorOrADoubleSeparator) {
  FakeStrings s;
  s.texts[200] = "one two";      // no double separator
  s.texts[201] = "three four ";  // a single trailing one
  s.texts[202] = "five\t\nsix  ";  // any two separators end the list
  s.texts[203] = " lead  ";      // a leading separator leaves entry 0 empty
  auto c = LoadFake(s);
  EXPECT_EQ(WordCount(*c, 0, 0), 2);
  EXPECT_STREQ(c->groups[0].Entry(0, 1), "two");
  EXPECT_EQ(WordCount(*c, 0, 1), 2);
  EXPECT_STREQ(c->groups[0].Entry(1, 1), "four");
  EXPECT_EQ(WordCount(*c, 0, 2), 1);
  EXPECT_STREQ(c->groups[0].Entry(3, 0), "");
  EXPECT_STREQ(c->groups[0].Entry(3, 1), "lead");
  // Each string fills exactly its own list whatever it holds.
  EXPECT_STREQ(c->groups[0].Entry(4, 0), "");
}

TEST(WordBankGuards, MissingStringsLoadAsEmptyLists) {
  FakeStrings s;
  s.texts[200] = std::string(600, 'x') + "  ";  // leftovers a missing string must not reuse
  s.texts[202] = "later  ";
  auto c = LoadFake(s);
  EXPECT_EQ(WordCount(*c, 0, 1), 0);
  EXPECT_STREQ(c->groups[0].Entry(2, 0), "later");
  EXPECT_STREQ(c->spellingPairs.words[0], "");
  EXPECT_STREQ(c->EuropeanForm("honorable"), "honorable");
}

TEST(WordBankGuards, DigitsAndHighBytes) {
  FakeStrings s;
  s.texts[204] = "a9b \xE9t\xA0\xFF  ";  // bytes above 127 are ordinary characters
  s.texts[500] = "honor2able x  ";      // the pairs keep digits as they are
  auto c = LoadFake(s);
  EXPECT_STREQ(c->groups[0].Entry(4, 0), "a b");
  EXPECT_STREQ(c->groups[0].Entry(4, 1), "\xE9t\xA0\xFF");
  EXPECT_STREQ(c->spellingPairs.words[0], "honor2able");
}

}  // namespace
}  // namespace kz
