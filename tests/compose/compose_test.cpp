// The composer against what was worked out apart from it: comments of known
// seconds, the rows each knob band picks, raw comments and how they are
// finished, and word lists the stored table never holds.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <string>

#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

using namespace testing_support;

TEST(Compose, GivesTheCommentsOfKnownSeconds) {
  auto c = StoredComposer();
  struct Case {
    int style, role, spelling, y[kSectionCount];
    std::uint32_t second;
    const char* comment;
  } cases[] = {
      {0, 0, 0, {43, 43, 43}, 1700000000u, "Flash-fast satisfaction a-ok ! Goods concluded perfectly ! Infinitely recommended A+++."},
      {0, 1, 1, {99, 99, 99}, 1700000102u, "Quick ! Enjoyable ;) A++!"},
      {1, 0, 1, {43, 43, 43}, 1700001000u, "Brilliant goods. Charmingly finished. Recommended and fast cordial exchange."},
      {1, 1, 0, {43, 43, 43}, 1700001100u, "Beautiful peep :) Tip-top communication and recommended. Super-speedy purchase !"},
      {2, 0, 1, {43, 78, 114}, 1700002003u, "True trader. Awesomely fluent."},
      {3, 1, 0, {43, 43, 43}, 1700003100u, "Fellow swiftly forwarded. Can consistently recommend. Thanks."},
      {4, 0, 0, {43, 43, 43}, 1700004000u, "Exceptionally suitable trade and certainly good was the super-quick mail thank you !"},
      {4, 0, 1, {43, 78, 114}, 1700004003u, "Agreeably apt ship, chiefly super-fast item."},
      {4, 1, 1, {99, 99, 99}, 1700004102u, "Favorable."},
      {5, 1, 1, {78, 78, 78}, 1700005101u, "Fast. Always recommended thank you."},
      {2, 1, 0, {43, 43, 43}, 1700000021u, "Honourable payer :) Refreshingly direct payment. Specifically amicable A+++."},
      {2, 1, 1, {43, 43, 43}, 1700000021u, "Honorable payer :) Refreshingly direct payment. Specifically amicable A+++."},
  };
  for (const Case& k : cases) {
    ComposeAt(*c, k.second, k.style, k.spelling, k.role, k.y);
    EXPECT_STREQ(c->outputText, k.comment) << k.second;
  }
}

// Every list holds the one word "w<group>_<list>": each step's word tells
// which list it came from. Classic as Buyer, all knobs at y.
TEST(Compose, KnobBandsPickTheRows) {
  auto c = StoredComposer();
  for (int g = 0; g < kGroupCount; ++g) {
    for (int l = 0; l < kListsPerGroup; ++l) {
      const std::string word = "w" + std::to_string(g) + "_" + std::to_string(l);
      for (int e = 0; e < kEntriesPerList; ++e) {
        std::strcpy(const_cast<char*>(c->groups[g].Entry(l, e)), word.c_str());
      }
    }
  }
  const std::string b1 = "w13_0 w14_1 w12_0 w11_3", m1 = " w9_0 w14_3 w17_0 w11_3",
                    e1 = " w17_2 w17_3 w12_3";
  const std::string b2 = "w13_0 w14_1 w11_3", m2 = " w14_3 w17_0 w11_3", e2 = " w17_3 w12_3";
  const std::string b3 = "w13_0 w11_3", m3 = " w14_3 w17_0", e3 = " w12_3";
  struct Case {
    int y[kSectionCount];
    std::string texts[kSectionCount];
  } cases[] = {
      {{43, 43, 43}, {b1, m1, e1}},    {{58, 58, 58}, {b1, m1, e1}},   {{59, 59, 59}, {b2, m2, e2}},
      {{98, 98, 98}, {b2, m2, e2}},    {{99, 99, 99}, {b3, m3, e3}},   {{114, 114, 114}, {b3, m3, e3}},
      {{-40, 500, 43}, {b1, m3, e1}},  {{43, 109, 110}, {b1, m3, e3}},
  };
  for (const Case& k : cases) {
    ComposeAt(*c, 7, 0, 1, 0, k.y);
    std::string shown;
    for (int s = 0; s < kSectionCount; ++s) {
      EXPECT_EQ(c->sectionText[s], k.texts[s]) << "y " << k.y[s];
      if (k.y[s] < 110) shown += k.texts[s];  // from 110 on a section is left out
    }
    shown[0] = static_cast<char>(std::toupper(shown[0]));
    EXPECT_EQ(c->outputText, shown + ".") << "y " << k.y[0];
  }
  // Chatty as Buyer: a -1 in the Beginning's low row consumes step 2; step 9
  // (its 11th draw) takes the short list when its second draw is above 50.
  ComposeAt(*c, 7, 4, 1, 0, {100, 100, 100});
  EXPECT_STREQ(c->sectionText[0], "w4_2 w4_0 w11_1");
  auto eleventhDraw = [](std::uint32_t second) {
    SeedRandom(second);
    for (int i = 0; i < 10; ++i) DrawRandom();
    return DrawRandom();
  };
  for (int r : {50, 51}) {
    std::uint32_t second = 0;
    while (eleventhDraw(second) % 100 != r) ++second;
    ComposeAt(*c, second, 4, 1, 0, {43, 43, 43});
    EXPECT_STREQ(c->sectionText[2], r > 50 ? " w12_1 w11_3" : " w12_4 w11_3") << r;
  }
}

TEST(FinishComment, TidiesTheRawComment) {
  struct Case {
    std::string raw, finished, mark;
  } cases[] = {
      {"", ".", "<80"}, {",", ".", "<80"}, {"-", ".", "<80"}, {":", ".", "<80"},
      {";", ".", "<80"}, {"!", ".", "<80"}, {" ", ".", "<80"}, {".", ".", "<80"},
      {"a", "A.", "<80"}, {", great seller", "-great seller.", "<80"}, {"; great", "-great.", "<80"},
      {":) great", ") great.", "<80"}, {". a", ". A.", "<80"},
      {" fast delivery, great seller :) thanks", "Fast delivery, great seller :) Thanks.", "<80"},
      {"fast. great! super :) yes ;) no", "Fast. Great! Super :) Yes ;) No.", "<80"},
      {"great,", "Great.", "<80"},     {"great-", "Great.", "<80"},
      {"great.", "Great.", "<80"},     {"great !", "Great !", "<80"},
      {"great :)", "Great :)", "<80"}, {"great..", "Great. .", "<80"},
      {"great-,", "Great. .", "<80"},  {"great.,,", "Great.  .", "<80"},
      {"great -", "Great .", "<80"},   {"great- ", "Great. .", "<80"},
      {"good,fast", "Good, ast.", "<80"},
      {std::string(79, 'a'), "A" + std::string(78, 'a') + ".", "=80"},
      {std::string(80, 'a'), "A" + std::string(79, 'a') + ".", ">80"},
      {std::string(78, 'a') + ".", "A" + std::string(77, 'a') + ".", "<80"},
  };
  static Composer c;  // only the texts are used
  RecordingDisplay display;
  c.window = &display;
  for (const Case& k : cases) {
    std::memset(c.outputText, 0, sizeof c.outputText);
    k.raw.copy(c.outputText, sizeof c.outputText - 1);
    c.FinishComment();
    EXPECT_EQ(display.comment, k.finished) << "raw \"" << k.raw << "\"";
    EXPECT_EQ(display.mark, k.mark) << "raw \"" << k.raw << "\"";
  }
}

// A string table of the test's own, for lists the stored table never holds.
struct FakeStrings final : StringSource {
  std::map<int, std::string> texts;
  int LoadText(int id, char* buffer, int limit) const override {
    auto it = texts.find(id);
    if (it == texts.end()) return 0;
    const int n = static_cast<int>(it->second.copy(buffer, static_cast<std::size_t>(limit - 1)));
    buffer[n] = '\0';
    return n;
  }
};

TEST(WordBank, LoadsListsTheStoredTableNeverHolds) {
  FakeStrings s;
  s.texts[200] = std::string(30, 'a') + " b2c  ";    // short entries: 17 characters
  s.texts[201] = "five\t\nsix  ";                     // two separators end a list
  s.texts[202] = " lead  ";                           // a leading one leaves entry 0 empty
  s.texts[204] = "a9b \xE9t  ";                       // digits are spaces; high bytes stay
  for (int i = 0; i < 200; ++i) s.texts[207] += "w ";  // a list holds 200 words at most
  s.texts[207] += "extra  ";
  auto c = std::make_unique<Composer>();
  c->instance = &s;
  c->LoadWordLists();
  const WordGroup& g = c->groups[0];
  const std::pair<const char*, std::string> cases[] = {
      {g.Entry(0, 0), std::string(17, 'a')}, {g.Entry(0, 1), "b c"}, {g.Entry(1, 0), "five"},
      {g.Entry(1, 1), ""}, {g.Entry(2, 0), ""}, {g.Entry(2, 1), "lead"}, {g.Entry(4, 0), "a b"},
      {g.Entry(4, 1), "\xE9t"}, {c->groups[1].Entry(0, 199), "w"}, {c->groups[1].Entry(1, 0), ""},
  };
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace kz
