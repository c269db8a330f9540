// The kzub program itself: its lines are the comments the composer shows for
// the same settings and seconds, and bad input leaves stdout empty.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

using namespace testing_support;

const std::string kKzub = KZ_BINARY_DIR "/tools/kzub/kzub";

struct RunResult {
  int exitCode;
  std::string out, err;
};

RunResult RunKzub(const std::string& args) {
  const std::string errFile = ::testing::TempDir() + "kzub_stderr.txt";
  RunResult run;
  std::FILE* pipe = popen((kKzub + " " + args + " 2>" + errFile).c_str(), "r");
  if (!pipe) return {-1, "", ""};
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  std::stringstream text;
  text << err.rdbuf();
  run.err = text.str();
  return run;
}

class KzubRun : public ComposerTest {
 protected:
  void SetUp() override {
    ComposerTest::SetUp();
    ASSERT_TRUE(std::ifstream(kKzub).good()) << "kzub is not built: " << kKzub;
  }
};

TEST_F(KzubRun, PrintsTheComposersCommentsSecondBySecond) {
  const RunResult run = RunKzub(
      "--style chatty --role buyer --spelling european --knobs 62,103,102 "
      "--freeze middle,end --count 4 --seed 4294967294 --mark");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");

  auto c = StoredComposer();
  RecordingDisplay display;
  c->window = &display;
  std::string expected;
  for (std::uint32_t i = 0; i < 4; ++i) {
    const std::uint8_t later = i == 0 ? 1 : 0;  // frozen from the second comment on
    ComposeAt(*c, 4294967294u + i, 0, 0, {4, {58, 99, 98}, {1, later, later}});
    expected += display.shown[1].second + " " + display.shown[0].second + "\n";
    display.shown.clear();
  }
  EXPECT_EQ(run.out, expected);
}

TEST_F(KzubRun, BadInputGoesToStderrAlone) {
  for (const char* args : {"--style fancy", "--count 0", "--knobs top,top", "--seed x", "-x"}) {
    const RunResult run = RunKzub(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    ASSERT_FALSE(run.err.empty()) << args;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
  }
  const RunResult help = RunKzub("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: kzub", 0), 0u);
}

}  // namespace
}  // namespace kz
