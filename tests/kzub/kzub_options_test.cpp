// kzub's option table: which command lines it takes and refuses, and the
// settings they give (its help is pinned where kzub prints it).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/kzub/kzub_options.h"

namespace kz {
namespace {

TEST(KzubOptions, ReadsSettingsAndRefusesBadInputNamingIt) {
  struct Case {
    std::vector<const char*> args;
    const char* named;  // in the refusal; nullptr: accepted, giving `settings`
    const char* settings = nullptr;
  } cases[] = {
      {{}, nullptr, "--style classic --role seller --spelling american --knobs 47,47,47"},
      {{"--knobs", "47,Middle,118", "--role", "BUYER", "--spelling", "european"}, nullptr,
       "--style classic --role buyer --spelling european --knobs 47,82,118"},
      {{"--freeze", "end,beginning", "--style", "Flat", "--knobs", "bottom,top,103"}, nullptr,
       "--style flat --role seller --spelling american --knobs 118,47,103 --freeze beginning,end"},
      {{"--count", "1000000", "--seed", "4294967295", "--max-length", "127", "--unique", "--json",
        "--mark"}, nullptr, "--style classic --role seller --spelling american --knobs 47,47,47"},
      {{"--colour"}, "'--colour': accepted are --style, --role, --spelling, --knobs, --freeze, "
                     "--count, --seed, --max-length, --unique, --mark, --json, --help, --version"},
      {{"--style", "fancy"}, "'fancy': accepted are classic, emotive, exhuberant, flat, chatty, concise"},
      {{"--role", "agent"}, "'agent'"},   {{"--spelling", "us"}, "'us'"},
      {{"--style"}, "--style needs a value"}, {{"--knobs", "top,top"}, "'top,top'"},
      {{"--knobs", "46,top,top"}, "'46'"}, {{"--knobs", "top,119,top"}, "'119'"},
      {{"--knobs", "top,,top"}, "'top,,top'"}, {{"--freeze", "end,end"}, "'end,end'"},
      {{"--count", "0"}, "'0'"},           {{"--count", "1000001"}, "'1000001'"},
      {{"--seed", "4294967296"}, "'4294967296'"}, {{"--seed", "-1"}, "'-1'"},
      {{"--max-length", "0"}, "'0'"},      {{"--max-length", "128"}, "'128'"},
  };
  for (Case& k : cases) {
    k.args.insert(k.args.begin(), "kzub");
    KzubOptions options;
    std::string error;
    const KzubAction action =
        ParseKzubOptions(static_cast<int>(k.args.size()), k.args.data(), &options, &error);
    const std::string line = k.args.size() > 1 ? k.args[1] : "(none)";
    if (k.named) {
      EXPECT_EQ(action, KzubAction::kBadInput) << line;
      EXPECT_EQ(error.rfind("kzub: ", 0), 0u) << error;
      EXPECT_NE(error.find(k.named), std::string::npos) << error;
    } else {
      EXPECT_EQ(action, KzubAction::kCompose) << line;
      EXPECT_EQ(KzubSettings(options), k.settings) << line;
    }
  }
  const char* const numbers[] = {"kzub", "--count", "20", "--seed", "7", "--max-length", "80",
                                 "--help", "--style", "fancy"};
  KzubOptions options;
  std::string error;
  EXPECT_EQ(ParseKzubOptions(8, numbers, &options, &error), KzubAction::kHelp);
  EXPECT_EQ(ParseKzubOptions(7, numbers, &options, &error), KzubAction::kCompose);
  EXPECT_TRUE(options.count == 20 && options.seedGiven && options.seed == 7 &&
              options.maxLength == 80 && !options.unique);
}

}  // namespace
}  // namespace kz
