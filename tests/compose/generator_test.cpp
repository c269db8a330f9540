// Compose: which steps reach which section at each knob position, how words
// join, how the random draws run, frozen sections, and the guards for word
// lists other than the stored ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/templates.h"
#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

using namespace testing_support;

constexpr std::uint8_t kOn = 1, kOff = 0;
constexpr int kClassic = 0, kExhuberant = 2, kChatty = 4, kConcise = 5;
constexpr int kBuyer = 0, kSeller = 1;
constexpr int kAmerican = 1, kEuropean = 0;

Knobs AllAt(int style, int y) { return {style, {y, y, y}, {kOn, kOn, kOn}}; }

std::string Section(const Composer& c, int s) { return c.sectionText[s]; }

// What FinishComment makes of `raw`: the comment a join of texts must give.
std::string Finished(const std::string& raw) {
  static Composer scratch;
  std::memset(scratch.outputText, 0, sizeof scratch.outputText);
  raw.copy(scratch.outputText, sizeof scratch.outputText - 1);
  scratch.FinishComment();
  return scratch.outputText;
}

// The random state `count` draws after seeding with `seed`.
std::uint32_t StateAfter(std::uint32_t seed, int count) {
  SeedRandom(seed);
  for (int i = 0; i < count; ++i) DrawRandom();
  return randomState;
}

using Compose = ComposerTest;

TEST_F(Compose, KnobBandsPickTheRows) {
  auto c = MarkerComposer();
  // Classic as Buyer with all three knobs at y.
  const std::string b1 = "w13_0 w14_1 w12_0 w11_3", m1 = " w9_0 w14_3 w17_0 w11_3",
                    e1 = " w17_2 w17_3 w12_3";
  const std::string b2 = "w13_0 w14_1 w11_3", m2 = " w14_3 w17_0 w11_3", e2 = " w17_3 w12_3";
  const std::string b3 = "w13_0 w11_3", m3 = " w14_3 w17_0", e3 = " w12_3";
  struct Case {
    int y;
    std::string beginning, middle, end;
  } cases[] = {
      {43, b1, m1, e1},  {57, b1, m1, e1},  {58, b1, m1, e1},  {59, b2, m2, e2},
      {78, b2, m2, e2},  {97, b2, m2, e2},  {98, b2, m2, e2},  {99, b3, m3, e3},
      {114, b3, m3, e3}, {-40, b1, m1, e1}, {500, b3, m3, e3},
  };
  for (const Case& k : cases) {
    ComposeAt(*c, 7, kAmerican, kBuyer, AllAt(kClassic, k.y));
    EXPECT_EQ(Section(*c, 0), k.beginning) << "y " << k.y;
    EXPECT_EQ(Section(*c, 1), k.middle) << "y " << k.y;
    EXPECT_EQ(Section(*c, 2), k.end) << "y " << k.y;
  }
}

TEST_F(Compose, SectionsFromY110AreLeftOutButStillComposed) {
  auto c = MarkerComposer();
  ComposeAt(*c, 7, kAmerican, kBuyer, {kClassic, {43, 109, 110}, {kOn, kOn, kOn}});
  EXPECT_EQ(Section(*c, 2), " w12_3");
  EXPECT_EQ(c->outputText, Finished(Section(*c, 0) + Section(*c, 1)));
  ComposeAt(*c, 7, kAmerican, kBuyer, AllAt(kClassic, kBottomY));
  EXPECT_STREQ(c->outputText, ".");
  EXPECT_EQ(Section(*c, 0), "w13_0 w11_3");
}

TEST_F(Compose, ChattyRowsAndFillerStep) {
  auto c = MarkerComposer();
  FillList(*c, 12, 1, "w12_7");  // PickKind 7 gives the same word from either list
  FillList(*c, 12, 4, "w12_7");
  struct Case {
    int role;
    int y[kSectionCount];
    std::string beginning, middle, end;
  } cases[] = {
      // -1 in the Beginning's low row consumes step 2; the End's low row is empty.
      {kBuyer, {100, 100, 100}, "w4_2 w4_0 w11_1", " w13_0 w14_0", ""},
      // The middle row skips step 0, so the Beginning starts with a blank.
      {kBuyer, {78, 78, 78}, " w4_0 w14_1", " w0_2 w13_0 w14_0", " w12_7"},
      {kBuyer, {43, 43, 43}, "w4_2 w4_0 w14_1 w11_1", " w0_2 w0_5 w13_0 w14_0", " w12_7 w11_3"},
      // Step 1 of the Seller's set is a filler: never part of the text.
      {kSeller, {43, 43, 43}, "w4_0 w16_0 w11_1", " w0_0 w1_4 w13_0 w16_3", " w12_7 w11_3"},
      {kSeller, {100, 100, 100}, "w4_0 w11_1", "", ""},
  };
  for (const Case& k : cases) {
    ComposeAt(*c, 7, kAmerican, k.role, {kChatty, {k.y[0], k.y[1], k.y[2]}, {kOn, kOn, kOn}});
    EXPECT_EQ(Section(*c, 0), k.beginning) << "role " << k.role << " y " << k.y[0];
    EXPECT_EQ(Section(*c, 1), k.middle) << "role " << k.role << " y " << k.y[0];
    EXPECT_EQ(Section(*c, 2), k.end) << "role " << k.role << " y " << k.y[0];
  }
}

// With every entry holding a word, each step draws once, a filler step too,
// and a PickKind 7 step twice.
TEST_F(Compose, EveryStepDrawsEvenWhenNothingIsIncluded) {
  auto c = MarkerComposer();
  struct Case {
    int style, role, draws;
  } cases[] = {{kClassic, kBuyer, 11},  {kChatty, kBuyer, 12},   {kChatty, kSeller, 12},
               {kConcise, kBuyer, 11},  {kExhuberant, kSeller, 11}};
  for (const Case& k : cases) {
    ComposeAt(*c, 99, kEuropean, k.role, {k.style, {kBottomY, 78, 43}, {kOn, kOff, kOn}});
    const std::uint32_t after = randomState;
    EXPECT_EQ(after, StateAfter(99, k.draws)) << k.style << "/" << k.role;
  }
}

TEST_F(Compose, TheDrawsDoNotDependOnKnobsEnableOrSpelling) {
  auto c = StoredComposer();
  const Knobs variants[] = {
      AllAt(0, kTopY),
      AllAt(0, kBottomY),
      {0, {58, 98, 110}, {kOff, kOn, 2}},
      {0, {-5, 300, 78}, {kOff, kOff, kOff}},
  };
  for (int set = 0; set < kTemplateSetCount; ++set) {
    for (std::uint32_t second = 1000; second < 1010; ++second) {
      ComposeAt(*c, second, kAmerican, set % 2, {set / 2, {43, 43, 43}, {kOn, kOn, kOn}});
      const std::uint32_t after = randomState;
      for (int v = 0; v < 4; ++v) {
        Knobs k = variants[v];
        k.style = set / 2;
        ComposeAt(*c, second, v % 2 ? kEuropean : kAmerican, set % 2, k);
        EXPECT_EQ(randomState, after) << "set " << set << " second " << second << " variant " << v;
      }
    }
  }
}

TEST_F(Compose, TheSameSecondGivesTheSameComment) {
  auto a = StoredComposer(), b = StoredComposer();
  for (std::uint32_t second : {0u, 1u, 1234567890u, 4294967295u}) {
    ComposeAt(*a, second, kAmerican, kBuyer, AllAt(kChatty, kTopY));
    ComposeAt(*b, 5, kAmerican, kBuyer, AllAt(kChatty, kTopY));  // something else first
    ComposeAt(*b, second, kAmerican, kBuyer, AllAt(kChatty, kTopY));
    EXPECT_STREQ(a->outputText, b->outputText) << second;
  }
}

// Comments of known seconds, worked out apart from this code.
TEST_F(Compose, GivesTheCommentsOfKnownSeconds) {
  auto c = StoredComposer();
  struct Case {
    int style, role, spelling, y[kSectionCount];
    std::uint32_t second;
    const char* comment;
  } cases[] = {
      {0, 0, 0, {43, 43, 43}, 1700000000u, "Flash-fast satisfaction a-ok ! Goods concluded perfectly ! Infinitely recommended A+++."},
      {0, 1, 1, {99, 99, 99}, 1700000102u, "Quick ! Enjoyable ;) A++!"},
      {1, 0, 1, {43, 43, 43}, 1700001000u, "Brilliant goods. Charmingly finished. Recommended and fast cordial exchange."},
      {1, 1, 0, {99, 99, 99}, 1700001102u, "Wonderful !  recommended express."},
      {1, 1, 0, {43, 43, 43}, 1700001100u, "Beautiful peep :) Tip-top communication and recommended. Super-speedy purchase !"},
      {2, 0, 1, {43, 78, 114}, 1700002003u, "True trader. Awesomely fluent."},
      {3, 0, 1, {99, 99, 99}, 1700003002u, "Goods confirmed fresh alright."},
      {3, 1, 0, {43, 43, 43}, 1700003100u, "Fellow swiftly forwarded. Can consistently recommend. Thanks."},
      {4, 0, 0, {43, 43, 43}, 1700004000u, "Exceptionally suitable trade and certainly good was the super-quick mail thank you !"},
      {4, 0, 1, {43, 78, 114}, 1700004003u, "Agreeably apt ship, chiefly super-fast item."},
      {4, 1, 1, {99, 99, 99}, 1700004102u, "Favorable."},
      {5, 0, 1, {99, 99, 99}, 1700005002u, "Rapid prime. ;)"},
      {5, 1, 1, {78, 78, 78}, 1700005101u, "Fast. Always recommended thank you."},
      {2, 1, 0, {43, 43, 43}, 1700000021u, "Honourable payer :) Refreshingly direct payment. Specifically amicable A+++."},
      {2, 1, 1, {43, 43, 43}, 1700000021u, "Honorable payer :) Refreshingly direct payment. Specifically amicable A+++."},
  };
  for (const Case& k : cases) {
    RecordingDisplay display;
    c->window = &display;
    ComposeAt(*c, k.second, k.spelling, k.role,
              {k.style, {k.y[0], k.y[1], k.y[2]}, {kOn, kOn, kOn}});
    ASSERT_EQ(display.shown.size(), 2u);
    EXPECT_EQ(display.shown[0].second, k.comment) << k.second;
  }
}

TEST_F(Compose, HowWordsJoinTheText) {
  // Classic as Buyer, all knobs at the top: steps 0 to 3 are 13:0, 14:1,
  // 12:0, 11:3 (the Beginning) and steps 8 to 10 are 17:2, 17:3, 12:3.
  struct Case {
    int group, list;
    const char* word;
    int section;
    const char* text;
  } cases[] = {
      {12, 0, ".", 0, "w13_0 w14_1. w11_3"},   // PickKind 0: "." attaches
      {12, 0, ",", 0, "w13_0 w14_1 , w11_3"},  // but "," does not
      {11, 3, ".", 0, "w13_0 w14_1 w12_0."},   // PickKind 3: "." attaches
      {11, 3, "!", 0, "w13_0 w14_1 w12_0 !"},  // "!" is a word
      {14, 1, ",", 0, "w13_0, w12_0 w11_3"},   // PickKind 1: "," and "-" attach
      {14, 1, "-", 0, "w13_0- w12_0 w11_3"},
      {14, 1, ".", 0, "w13_0 . w12_0 w11_3"},
      {13, 0, ".", 0, ". w14_1 w12_0 w11_3"},
      {17, 2, " ", 2, " w17_3 w12_3"},  // PickKind 2: a lone blank adds nothing
      {17, 2, "x", 2, " x w17_3 w12_3"},
  };
  for (const Case& k : cases) {
    auto c = MarkerComposer();
    FillList(*c, k.group, k.list, k.word);
    ComposeAt(*c, 3, kAmerican, kBuyer, AllAt(kClassic, kTopY));
    EXPECT_EQ(Section(*c, k.section), k.text) << k.group << ":" << k.list << " \"" << k.word << "\"";
  }
}

TEST_F(Compose, PickKind7ReadsTheShortListAbove50) {
  auto c = MarkerComposer();
  FillList(*c, 12, 1, "short");
  FillList(*c, 12, 4, "long");
  // Chatty as Buyer draws once for each of steps 0 to 8, so step 9's second
  // draw is the 11th of the run.
  auto eleventhDraw = [](std::uint32_t second) {
    StateAfter(second, 10);
    return DrawRandom() % 100;
  };
  for (int r : {0, 50, 51, 99}) {
    std::uint32_t second = 0;
    while (eleventhDraw(second) != r) ++second;
    ComposeAt(*c, second, kAmerican, kBuyer, AllAt(kChatty, kTopY));
    EXPECT_EQ(Section(*c, 2), std::string(r > 50 ? " short" : " long") + " w11_3") << "r " << r;
  }
}

TEST_F(Compose, EuropeanSpelling) {
  struct Case {
    const char* stored;
    int spelling;
    const char* used;
  } cases[] = {
      {"honorable", kEuropean, "honourable"}, {"favorable", kEuropean, "favourable"},
      {"honorable", kAmerican, "honorable"},  {"honorable", 2, "honorable"},
      {"Honorable", kEuropean, "Honorable"},  {"honourable", kEuropean, "honourable"},
  };
  for (const Case& k : cases) {
    auto c = MarkerComposer();
    FillList(*c, 4, 0, k.stored);  // Exhuberant's first step
    ComposeAt(*c, 3, k.spelling, kBuyer, AllAt(kExhuberant, kTopY));
    EXPECT_EQ(Section(*c, 0), std::string(k.used) + " w8_0 w11_3") << k.stored << "/" << k.spelling;
  }
}

TEST_F(Compose, FrozenSectionsKeepTheirTextAndTakeTheirPlace) {
  auto c = StoredComposer();
  ComposeAt(*c, 500, kAmerican, kBuyer, {kClassic, {43, 78, 43}, {kOn, kOn, kOn}});
  const std::string middle = Section(*c, 1);
  ASSERT_FALSE(middle.empty());
  struct Case {
    int middleY;
    std::uint8_t middleEnabled;
    bool shown;
  } cases[] = {{78, kOff, true}, {43, kOff, true}, {114, kOff, false}, {78, 2, true}};
  for (const Case& k : cases) {
    ComposeAt(*c, 501, kAmerican, kBuyer, {kClassic, {43, k.middleY, 43}, {kOn, k.middleEnabled, kOn}});
    EXPECT_EQ(Section(*c, 1), middle);
    EXPECT_EQ(c->outputText,
              Finished(Section(*c, 0) + (k.shown ? middle : "") + Section(*c, 2)));
  }
  // A section frozen before it was ever composed adds nothing.
  auto fresh = StoredComposer();
  ComposeAt(*fresh, 501, kAmerican, kBuyer, {kClassic, {43, 78, 43}, {kOn, kOff, kOn}});
  EXPECT_EQ(Section(*fresh, 1), "");
  EXPECT_EQ(fresh->outputText, Finished(Section(*fresh, 0) + Section(*fresh, 2)));
}

TEST_F(Compose, WithoutASetOnlyTheFrozenTextsRemain) {
  auto c = StoredComposer();
  ComposeAt(*c, 500, kAmerican, kBuyer, AllAt(kClassic, kTopY));
  const std::string middle = Section(*c, 1);
  for (int style : {6, -1}) {
    ComposeAt(*c, 501, kAmerican, kBuyer, {style, {43, 43, 43}, {kOn, kOff, kOn}});
    EXPECT_EQ(Section(*c, 0), "");
    EXPECT_EQ(c->outputText, Finished(middle));
    EXPECT_EQ(std::memcmp(&WorkingSet(), &kTemplateSets[0], sizeof(TemplateSet)), 0);
  }
}

// Each list holds only its longest stored word: no comment can be longer.
TEST_F(Compose, TheLongestCommentIsKeptWhole) {
  auto c = StoredComposer();
  for (int g = 0; g < kGroupCount; ++g) {
    for (int l = 0; l < kListsPerGroup; ++l) {
      std::string longest;
      for (int e = 0; e < kEntriesPerList; ++e) {
        const std::string word = c->groups[g].Entry(l, e);
        if (word.size() > longest.size()) longest = word;
      }
      FillList(*c, g, l, longest);
    }
  }
  FillList(*c, 12, 1, "thanking you");  // PickKind 7's longer list, either way
  std::size_t longestJoin = 0;
  const int bands[] = {43, 78, 100};
  for (int set = 0; set < kTemplateSetCount; ++set) {
    for (int i = 0; i < 27; ++i) {
      const Knobs k = {set / 2, {bands[i % 3], bands[i / 3 % 3], bands[i / 9]}, {kOn, kOn, kOn}};
      ComposeAt(*c, 1, kEuropean, set % 2, k);
      const std::string join = Section(*c, 0) + Section(*c, 1) + Section(*c, 2);
      longestJoin = std::max(longestJoin, join.size());
      EXPECT_EQ(c->outputText, Finished(join)) << "set " << set << " bands " << i;
    }
  }
  EXPECT_EQ(longestJoin, 115u);
  EXPECT_LT(longestJoin + 1, static_cast<std::size_t>(kTextSize));  // and the final "."
}

TEST_F(Compose, ListsWithoutWordsAddNothingAndDoNotHang) {
  auto c = MarkerComposer();
  EmptyList(*c, 14, 1);  // Classic as Buyer, step 1
  ComposeAt(*c, 3, kAmerican, kBuyer, AllAt(kClassic, kTopY));
  EXPECT_EQ(Section(*c, 0), "w13_0 w12_0 w11_3");

  // A damaged list: entry 0 empty, a word further down.
  std::strcpy(c->groups[14].shortLists[1].entries[150], "late");
  ComposeAt(*c, 3, kAmerican, kBuyer, AllAt(kClassic, kTopY));
  EXPECT_EQ(Section(*c, 0), "w13_0 late w12_0 w11_3");

  // PickKind 7 with one list empty uses the other; with both, nothing.
  EmptyList(*c, 12, 1);
  ComposeAt(*c, 3, kAmerican, kBuyer, AllAt(kChatty, kTopY));
  EXPECT_EQ(Section(*c, 2), " w12_4 w11_3");
  EmptyList(*c, 12, 4);
  ComposeAt(*c, 3, kAmerican, kBuyer, AllAt(kChatty, kTopY));
  EXPECT_EQ(Section(*c, 2), " w11_3");
}

TEST_F(Compose, LongEntriesAreUsedWholeAndTextsStayInTheirArrays) {
  auto c = MarkerComposer();
  const std::string long49(49, 'q');
  FillList(*c, 14, 4, long49);  // Classic as Seller, step 5
  ComposeAt(*c, 3, kAmerican, kSeller, AllAt(kClassic, kTopY));
  EXPECT_EQ(Section(*c, 1), " w6_0 " + long49 + " w0_1 w11_3");

  for (int g = 0; g < kGroupCount; ++g) {
    for (int l = 0; l < kListsPerGroup; ++l) FillList(*c, g, l, std::string(49, 'a' + l));
  }
  ComposeAt(*c, 3, kAmerican, kBuyer, AllAt(kChatty, kTopY));
  for (int s = 0; s < kSectionCount; ++s) {
    EXPECT_LE(Section(*c, s).size(), static_cast<std::size_t>(kTextSize - 1));
  }
  EXPECT_EQ(std::strlen(c->outputText), static_cast<std::size_t>(kTextSize - 1));
  EXPECT_EQ(c->outputText[kTextSize - 2], '.');
}

}  // namespace
}  // namespace kz
