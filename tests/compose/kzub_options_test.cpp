// kzub's command line: what each option sets, and that every kind of bad
// input is refused with a message naming it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/kzub/kzub_options.h"

namespace kz {
namespace {

struct Parsed {
  KzubAction action;
  KzubOptions options;
  std::string error;
};

Parsed Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "kzub");
  Parsed p;
  p.action = ParseKzubOptions(static_cast<int>(args.size()), args.data(), &p.options, &p.error);
  return p;
}

TEST(KzubOptions, DefaultsAreClassicSellerAmericanAllKnobsAtTheTop) {
  const Parsed p = Parse({});
  ASSERT_EQ(p.action, KzubAction::kCompose);
  EXPECT_EQ(p.options.style, 0);
  EXPECT_EQ(p.options.role, 1);
  EXPECT_EQ(p.options.spelling, 1);
  EXPECT_EQ(p.options.knobRows[0], 47);
  EXPECT_EQ(p.options.knobRows[2], 47);
  EXPECT_FALSE(p.options.frozen[0] || p.options.frozen[1] || p.options.frozen[2]);
  EXPECT_EQ(p.options.count, 1u);
  EXPECT_FALSE(p.options.seedGiven);
  EXPECT_FALSE(p.options.mark || p.options.unique || p.options.json);
  EXPECT_EQ(p.options.maxLength, 0);
}

TEST(KzubOptions, EachOptionSetsItsSetting) {
  struct Case {
    std::vector<const char*> args;
    bool (*check)(const KzubOptions&);
  } cases[] = {
      {{"--style", "Exhuberant"}, [](const KzubOptions& o) { return o.style == 2; }},
      {{"--style", "CONCISE"}, [](const KzubOptions& o) { return o.style == 5; }},
      {{"--role", "Buyer"}, [](const KzubOptions& o) { return o.role == 0; }},
      {{"--spelling", "european"}, [](const KzubOptions& o) { return o.spelling == 0; }},
      {{"--knobs", "top,Middle,bottom"},
       [](const KzubOptions& o) {
         return o.knobRows[0] == 47 && o.knobRows[1] == 82 && o.knobRows[2] == 118;
       }},
      {{"--knobs", "47,62,118"},
       [](const KzubOptions& o) {
         return o.knobRows[0] == 47 && o.knobRows[1] == 62 && o.knobRows[2] == 118;
       }},
      {{"--freeze", "end,Beginning"},
       [](const KzubOptions& o) { return o.frozen[0] && !o.frozen[1] && o.frozen[2]; }},
      {{"--count", "1000000"}, [](const KzubOptions& o) { return o.count == 1000000u; }},
      {{"--seed", "0"}, [](const KzubOptions& o) { return o.seedGiven && o.seed == 0u; }},
      {{"--seed", "4294967295"}, [](const KzubOptions& o) { return o.seed == 4294967295u; }},
      {{"--mark"}, [](const KzubOptions& o) { return o.mark; }},
      {{"--max-length", "127", "--unique", "--json"},
       [](const KzubOptions& o) { return o.maxLength == 127 && o.unique && o.json; }},
      {{"--style", "flat", "--style", "chatty"}, [](const KzubOptions& o) { return o.style == 4; }},
  };
  for (const Case& k : cases) {
    const Parsed p = Parse(k.args);
    EXPECT_EQ(p.action, KzubAction::kCompose) << k.args[0] << " " << p.error;
    EXPECT_TRUE(k.check(p.options)) << k.args[0] << " " << k.args.back();
  }
}

TEST(KzubOptions, BadInputIsNamedWithWhatIsAccepted) {
  struct Case {
    std::vector<const char*> args;
    const char* named;     // the bad value, as the message quotes it
    const char* accepted;  // part of what the message says is accepted
  } cases[] = {
      {{"--colour"}, "'--colour'", "--style"},
      {{"classic"}, "'classic'", "--style"},
      {{"--style", "fancy"}, "'fancy'", "exhuberant"},
      {{"--style"}, "--style", "--help"},
      {{"--role", "broker"}, "'broker'", "buyer, seller"},
      {{"--spelling", "british"}, "'british'", "american, european"},
      {{"--knobs", "top,top"}, "'top,top'", "three knobs"},
      {{"--knobs", "top,top,top,top"}, "'top,top,top,top'", "three knobs"},
      {{"--knobs", "top,,top"}, "'top,,top'", "three knobs"},
      {{"--knobs", "46,top,top"}, "'46'", "47 to 118"},
      {{"--knobs", "top,119,top"}, "'119'", "47 to 118"},
      {{"--knobs", "top,top,-50"}, "'-50'", "47 to 118"},
      {{"--knobs", "top,up,top"}, "'up'", "top, middle, bottom"},
      {{"--freeze", ""}, "''", "beginning, middle, end"},
      {{"--freeze", "middle,"}, "'middle,'", "beginning, middle, end"},
      {{"--freeze", "start"}, "'start'", "beginning, middle, end"},
      {{"--freeze", "end,end"}, "'end,end'", "once"},
      {{"--count", "0"}, "'0'", "1 to 1000000"},
      {{"--count", "1000001"}, "'1000001'", "1 to 1000000"},
      {{"--count", "+5"}, "'+5'", "1 to 1000000"},
      {{"--count", "5x"}, "'5x'", "1 to 1000000"},
      {{"--max-length", "0"}, "'0'", "1 to 127"},
      {{"--max-length", "128"}, "'128'", "1 to 127"},
      {{"--max-length", "x"}, "'x'", "1 to 127"},
      {{"--seed", "4294967296"}, "'4294967296'", "0 to 4294967295"},
      {{"--seed", "-1"}, "'-1'", "0 to 4294967295"},
      {{"--seed", "1.5"}, "'1.5'", "0 to 4294967295"},
      {{"--seed", "99999999999999999999999"}, "'99999999999999999999999'", "0 to 4294967295"},
      {{"--mark", "--count", "3", "--role", "nobody", "--help"}, "'nobody'", "buyer"},
  };
  for (const Case& k : cases) {
    const Parsed p = Parse(k.args);
    EXPECT_EQ(p.action, KzubAction::kBadInput) << k.args.back();
    EXPECT_NE(p.error.find(k.named), std::string::npos) << p.error;
    EXPECT_NE(p.error.find(k.accepted), std::string::npos) << p.error;
    EXPECT_EQ(p.error.find('\n'), std::string::npos) << "one line: " << p.error;
  }
}

TEST(KzubOptions, HelpAndVersionEndTheReading) {
  EXPECT_EQ(Parse({"--help"}).action, KzubAction::kHelp);
  EXPECT_EQ(Parse({"--count", "2", "--version", "--bogus"}).action, KzubAction::kVersion);
  EXPECT_EQ(Parse({"--help", "--style", "nonsense"}).action, KzubAction::kHelp);
}

}  // namespace
}  // namespace kz
