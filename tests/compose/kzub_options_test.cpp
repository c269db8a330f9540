// kzub: which command lines it takes and refuses, and that its lines are the
// comments the composer shows for the same settings and seconds.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/compose/composer_fixture.h"
#include "tools/kzub/kzub_options.h"

namespace kz {
namespace {

using namespace testing_support;

TEST(KzubOptions, RefusesBadInputNamingIt) {
  struct Case {
    std::vector<const char*> args;
    const char* named;  // nullptr: accepted
  } cases[] = {
      {{"--knobs", "47,82,118"}, nullptr}, {{"--count", "1000000"}, nullptr},
      {{"--seed", "4294967295"}, nullptr}, {{"--freeze", "end,beginning", "--style", "Flat"}, nullptr},
      {{"--colour"}, "'--colour'"},        {{"--style", "fancy"}, "'fancy'"},
      {{"--style"}, "--style"},            {{"--knobs", "top,top"}, "'top,top'"},
      {{"--knobs", "46,top,top"}, "'46'"}, {{"--knobs", "top,119,top"}, "'119'"},
      {{"--freeze", "end,end"}, "'end,end'"}, {{"--count", "0"}, "'0'"},
      {{"--count", "1000001"}, "'1000001'"}, {{"--seed", "4294967296"}, "'4294967296'"},
      {{"--max-length", "127", "--unique", "--json"}, nullptr}, {{"--max-length", "0"}, "'0'"},
      {{"--max-length", "128"}, "'128'"},
  };
  for (Case& k : cases) {
    k.args.insert(k.args.begin(), "kzub");
    KzubOptions options;
    std::string error;
    const KzubAction action =
        ParseKzubOptions(static_cast<int>(k.args.size()), k.args.data(), &options, &error);
    EXPECT_EQ(action, k.named ? KzubAction::kBadInput : KzubAction::kCompose) << k.args[1];
    if (k.named) {
      EXPECT_NE(error.find(k.named), std::string::npos) << error;
    }
  }
}

std::string RunKzub(const std::string& args) {
  std::string out;
  std::FILE* pipe = popen((KZ_BINARY_DIR "/tools/kzub/kzub " + args).c_str(), "r");
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? out : "(failed) " + out;
}

// Classic, As Seller and American unless told otherwise: the comment worked
// out for that second. (kzub_run_test: its lines against the composer.)
TEST(Kzub, DefaultsAreTheWindowsStartingChoices) {
  EXPECT_EQ(RunKzub("--knobs 103,103,103 --seed 1700000102"), "Quick ! Enjoyable ;) A++!\n");
  EXPECT_EQ(RunKzub("--style exhuberant --spelling european --seed 1700000021"),
            "Honourable payer :) Refreshingly direct payment. Specifically amicable A+++.\n");
}

}  // namespace
}  // namespace kz
