// The composer against pinned expectations: known comments across every
// style, role and level, the template table's digest, the rows each knob
// band picks, raw comments and how they are finished, and word lists the
// stored table never holds.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <string>

#include "compose/templates.h"
#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

using namespace testing_support;

// Known comments for every style, role and knob level (a set's three rows
// put each section at each level once), both spellings, a section left out,
// frozen sections (they keep the row before's text) and seconds past 2038.
// Run twice, the second time 2^32 seconds later: the seed is the second's
// low 32 bits, as srand((unsigned)time(NULL)) takes them.
TEST(Compose, GivesTheCommentsOfKnownSeconds) {
  struct Row {
    Seconds second;
    int style, role, spelling, knobs[kSectionCount];
    const char *frozen, *comment;  // frozen: the letters of B, M, E
  } rows[] = {
      {1700000021, 2, 1, 0, {47, 47, 47}, "", "Honourable payer :) Refreshingly direct payment. Specifically amicable A+++."},
      {1700000021, 2, 1, 1, {47, 47, 47}, "", "Honorable payer :) Refreshingly direct payment. Specifically amicable A+++."},
      {1000000000, 0, 0, 0, {47, 82, 103}, "", "Direct service good ! Concluded snug. AAA."},
      {1100000007, 0, 0, 1, {63, 108, 55}, "", "Super-fast interchange ! Completed totally-sound mightily recommended A+!"},
      {1200000014, 0, 0, 1, {113, 62, 102}, "", "Fast. Pack succeeded flawless ! Recommended AAA."},
      {1300000021, 0, 1, 0, {47, 82, 103}, "", "Super-fast fellow appreciated :) Enjoyable to transact through A++!"},
      {1400000028, 0, 1, 1, {63, 108, 55}, "", "Prompt peep. Easy ;) Really recommended A++!"},
      {1500000035, 0, 1, 1, {113, 62, 102}, "", "Prompt ! Refreshing to settle through :) Recommended A++!"},
      {1600000042, 1, 0, 0, {47, 82, 103}, "", "Glorious parcel ! Attractively housed. Convivial satisfaction."},
      {1700000049, 1, 0, 1, {63, 108, 55}, "", "Terrific item recommended and accelerated amicable exchange."},
      {1800000056, 1, 0, 1, {113, 62, 102}, "", "Terrific ;) Attractively wrapped. Recommended fluent amiable turnaround."},
      {1900000063, 1, 1, 0, {47, 82, 103}, "", "Wonderful buyer ! Favourable email super-quick."},
      {2000000070, 1, 1, 1, {63, 108, 55}, "", "Beautiful 'bayer and recommended. Super-quick business :)"},
      {2100000077, 1, 1, 1, {113, 62, 102}, "", "Thoughtful ! Splendid communication, recommended super-speedy purchase !"},
      {2200000084, 2, 0, 0, {47, 82, 103}, "", "Good trader :) Agreeably accelerated. A+."},
      {2300000091, 2, 0, 1, {63, 108, 55}, "", "Capable trader quick trade. Especially cordial A+."},
      {2400000098, 2, 0, 1, {113, 62, 102}, "", "Positive dazzling direct service. Friendly A++."},
      {2500000105, 2, 1, 0, {47, 82, 103}, "", "Tip-top auction-goer ! Always express. AAA+."},
      {2600000112, 2, 1, 1, {63, 108, 55}, "", "Adept buyer direct settlement. Principally amicable A+++."},
      {2700000119, 2, 1, 1, {113, 62, 102}, "", "Nice refreshingly fluent settlement. Friendly AAA+."},
      {2800000126, 3, 0, 0, {47, 82, 103}, "", "Goods completed swiftly. Exact presentation. Good."},
      {2900000133, 3, 0, 1, {63, 108, 55}, "", "Pack delivered. Mint appreciated."},
      {3000000140, 3, 0, 1, {113, 62, 102}, "", "Package traded in exact presentation. Thanks."},
      {3100000147, 3, 1, 0, {47, 82, 103}, "", "Winner swiftly completed. Always recommend. Thanks."},
      {3200000154, 3, 1, 1, {63, 108, 55}, "", "Payer followed-through. Recommend appreciated."},
      {3300000161, 3, 1, 1, {113, 62, 102}, "", "Winner traded can repeatedly recommend. Ta."},
      {3400000168, 4, 0, 0, {47, 82, 103}, "", "Exceptionally kindly trade- chiefly direct mail."},
      {3500000175, 4, 0, 1, {63, 108, 55}, "", "Crack turnaround speedy package cheers !"},
      {3600000182, 4, 0, 1, {113, 62, 102}, "", "Smooth accomplished and expressly because of the speedy delivery ta."},
      {3700000189, 4, 1, 0, {47, 82, 103}, "", "Nice buyer, express purchase."},
      {3800000196, 4, 1, 1, {63, 108, 55}, "", "Capable winner- ta :)"},
      {3900000203, 4, 1, 1, {113, 62, 102}, "", "Fantastic and this is a express purchase cheers."},
      {4000000210, 5, 0, 0, {47, 82, 103}, "", "Super-speedy package. Solid trade."},
      {4100000217, 5, 0, 1, {63, 108, 55}, "", "Rapid. Golden. Thanking you."},
      {4200000224, 5, 0, 1, {113, 62, 102}, "", "Super-fast skilled satisfaction. Thank you."},
      {4300000231, 5, 1, 0, {47, 82, 103}, "", "Accelerated payer. Certainly recommended."},
      {4400000238, 5, 1, 1, {63, 108, 55}, "", "Prompt. Recommended. Thank you !"},
      {4500000245, 5, 1, 1, {113, 62, 102}, "", "Prompt certainly recommended. Thanking you."},
      {4294967295, 3, 0, 1, {47, 82, 103}, "B", "Prompt spanking-new grade. Appreciated."},
      {3000000000, 3, 0, 0, {63, 108, 55}, "ME", "Parcel forwarded. Spanking-new grade. Appreciated."},
      {1234567890, 5, 0, 1, {118, 47, 82}, "M", "Spanking-new grade. Thanking you."},
  };
  auto c = StoredComposer();
  for (const Seconds later : {Seconds{0}, Seconds{1} << 32}) {
    for (const Row& k : rows) {
      int y[kSectionCount];
      bool enabled[kSectionCount];
      for (int s = 0; s < kSectionCount; ++s) {
        y[s] = KnobTop(k.knobs[s]);
        enabled[s] = !std::strchr(k.frozen, "BME"[s]);
      }
      ComposeAt(*c, k.second + later, k.style, k.spelling, k.role, y, enabled);
      EXPECT_STREQ(c->outputText, k.comment) << k.second + later;
    }
  }
}

// The template table, value by value: a changed word list, group or row in
// any set changes this digest (FNV-1a steps over the 732 integers).
TEST(Templates, EveryValueIsPinned) {
  std::uint64_t digest = 14695981039346656037u;
  const auto* values = reinterpret_cast<const std::int32_t*>(kTemplateSets);
  for (std::size_t i = 0; i < kTemplateSetCount * sizeof(TemplateSet) / sizeof(*values); ++i) {
    digest = (digest ^ static_cast<std::uint32_t>(values[i])) * 1099511628211u;
  }
  EXPECT_EQ(digest, 16203215355695497881u) << "the template table changed: check its comments, then pin the new digest";
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
