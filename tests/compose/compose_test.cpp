// The composer against pinned expectations: comments of known seconds, the
// template table, the rows each knob band picks, how a raw comment is
// finished, and word lists the stored table never holds.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "compose/templates.h"
#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

using namespace testing_support;

// FNV-1a over a sequence of values.
template <typename Values>
std::uint64_t Digest(const Values& values) {
  std::uint64_t digest = 14695981039346656037u;
  for (auto v : values) digest = (digest ^ static_cast<std::uint32_t>(v)) * 1099511628211u;
  return digest;
}

// Comments of known seconds: one in both spellings; every style and role
// with each section at each knob level (a set's three rows) in both
// spellings, pinned by a digest; then frozen sections, which keep the text
// the row before left. Each again 2^32 seconds later: the seed is the
// second's low 32 bits, as srand((unsigned)time(NULL)) takes them.
TEST(Compose, GivesTheCommentsOfKnownSeconds) {
  struct Row {
    Seconds second;
    int style, role, spelling;
    std::array<int, kSectionCount> knobs;
    bool frozen[kSectionCount];
    const char* comment;  // nullptr: pinned by the digest
  };
  std::vector<Row> rows = {
      {1700000021, 2, 1, 0, {47, 47, 47}, {}, "Honourable payer :) Refreshingly direct payment. Specifically amicable A+++."},
      {1700000021, 2, 1, 1, {47, 47, 47}, {}, "Honorable payer :) Refreshingly direct payment. Specifically amicable A+++."}};
  const std::array<int, kSectionCount> levels[] = {{47, 82, 103}, {63, 108, 55}, {113, 62, 102}};
  for (int i = 0; i < 36; ++i) {
    rows.push_back({1000000000 + 100000007LL * i, i / 6, i / 3 % 2, i % 3 > 0, levels[i % 3], {}, nullptr});
  }
  rows.insert(rows.end(), {{4294967295, 3, 0, 1, {47, 82, 103}, {1, 0, 0}, "Prompt spanking-new grade. Appreciated."},
                           {3000000000, 3, 0, 0, {63, 108, 55}, {0, 1, 1}, "Parcel forwarded. Spanking-new grade. Appreciated."},
                           {1234567890, 5, 0, 1, {118, 47, 82}, {0, 1, 0}, "Spanking-new grade. Thanking you."}});
  auto c = StoredComposer();
  std::vector<std::string> got;
  for (const Seconds later : {Seconds{0}, Seconds{1} << 32}) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Row& k = rows[i];
      int y[kSectionCount];
      for (int s = 0; s < kSectionCount; ++s) y[s] = KnobTop(k.knobs[s]);
      ComposeAt(*c, k.second + later, k.style, k.role, k.spelling, y, k.frozen);
      if (!later) got.push_back(c->outputText);
      EXPECT_EQ(c->outputText, k.comment && !later ? std::string(k.comment) : got[i]) << k.second + later;
    }
  }
  std::string sweep;
  for (int i = 0; i < 36; ++i) sweep += got[2 + i] + "\n";
  EXPECT_EQ(Digest(sweep), 6366717100822637272u) << "the sweep's comments changed:\n" << sweep;
}

// The template table, value by value: a changed word list, group or row in
// any set changes this digest.
TEST(Templates, EveryValueIsPinned) {
  const auto* values = reinterpret_cast<const std::int32_t*>(kTemplateSets);
  const std::vector<std::int32_t> all(values, values + kTemplateSetCount * sizeof(TemplateSet) / sizeof *values);
  EXPECT_EQ(Digest(all), 16203215355695497881u) << "the template table changed: check its comments, then pin the new digest";
}

// Every list holds the one word "w<group>_<list>": each step's word tells
// which list it came from. Classic as Buyer, all knobs at y.
TEST(Compose, KnobBandsPickTheRows) {
  auto c = StoredComposer();
  for (int g = 0; g < kGroupCount; ++g) {
    for (int l = 0; l < kListsPerGroup; ++l) {
      const std::string word = "w" + std::to_string(g) + "_" + std::to_string(l);
      for (int e = 0; e < kEntriesPerList; ++e) std::strcpy(const_cast<char*>(c->groups[g].Entry(l, e)), word.c_str());
    }
  }
  const std::string b1 = "w13_0 w14_1 w12_0 w11_3", m1 = " w9_0 w14_3 w17_0 w11_3", e1 = " w17_2 w17_3 w12_3";
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
    ComposeAt(*c, 7, 0, 0, 1, k.y);
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
  ComposeAt(*c, 7, 4, 0, 1, {100, 100, 100});
  EXPECT_STREQ(c->sectionText[0], "w4_2 w4_0 w11_1");
  for (int r : {50, 51}) {
    std::uint32_t second = 0;
    for (;; ++second) {
      Random random;
      random.Seed(second);
      for (int i = 0; i < 10; ++i) random.Draw();
      if (random.Draw() % 100 == r) break;
    }
    ComposeAt(*c, second, 4, 0, 1, {43, 43, 43});
    EXPECT_STREQ(c->sectionText[2], r > 50 ? " w12_1 w11_3" : " w12_4 w11_3") << r;
  }
}

TEST(FinishComment, TidiesTheRawComment) {
  struct Case {
    std::string raw, finished, mark = "<80";
  } cases[] = {
      {"", "."}, {",", "."}, {"-", "."}, {":", "."}, {";", "."}, {"!", "."}, {" ", "."}, {".", "."},
      {"a", "A."}, {", great seller", "-great seller."}, {"; great", "-great."}, {":) great", ") great."},
      {". a", ". A."}, {" fast delivery, great seller :) thanks", "Fast delivery, great seller :) Thanks."},
      {"fast. great! super :) yes ;) no", "Fast. Great! Super :) Yes ;) No."}, {"great,", "Great."},
      {"great-", "Great."}, {"great.", "Great."}, {"great !", "Great !"}, {"great :)", "Great :)"},
      {"great..", "Great. ."}, {"great-,", "Great. ."}, {"great.,,", "Great.  ."}, {"great -", "Great ."},
      {"great- ", "Great. ."}, {"good,fast", "Good, ast."},
      {std::string(79, 'a'), "A" + std::string(78, 'a') + ".", "=80"},
      {std::string(80, 'a'), "A" + std::string(79, 'a') + ".", ">80"},
      {std::string(78, 'a') + ".", "A" + std::string(77, 'a') + "."},
  };
  static Composer c;  // only the texts are used
  RecordingDisplay display;
  c.window = &display;
  for (const Case& k : cases) {
    std::memset(c.outputText, 0, sizeof c.outputText);
    k.raw.copy(c.outputText, sizeof c.outputText - 1);
    c.FinishComment();
    EXPECT_EQ(display.comment + " " + display.mark, k.finished + " " + k.mark) << "raw \"" << k.raw << "\"";
  }
}

TEST(WordBank, LoadsListsTheStoredTableNeverHolds) {
  MapStrings s;
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
