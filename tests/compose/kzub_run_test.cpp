// The kzub program itself: its lines are the comments the composer shows for
// the same settings and seconds, less those the filters skip; its JSON reads
// back through a real JSON parser; refusals and giving up are one line on
// stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "tests/compose/composer_fixture.h"
#include "tools/kzub/kzub_json.h"

namespace kz {
namespace {

using namespace testing_support;

const std::string kKzub = KZ_BINARY_DIR "/tools/kzub/kzub";

// Reads JSON lines on stdin and writes "second mark comment" for each.
const std::string kDecodeJson =
    " | python3 -c '"
    R"(import json, sys
for line in sys.stdin.buffer:
    o = json.loads(line)
    assert list(o) == ["second", "mark", "length", "comment"], line
    assert o["length"] == len(o["comment"]), line
    sys.stdout.buffer.write(("%d %s %s\n" % (o["second"], o["mark"], o["comment"])).encode("latin-1")))"
    "'";

struct RunResult {
  int exitCode;
  std::string out, err;
};

RunResult RunShell(const std::string& command) {
  // One file per test process: ctest may run the tests side by side.
  const std::string errFile = ::testing::TempDir() + "kzub_stderr_" + std::to_string(getpid()) + ".txt";
  RunResult run;
  std::FILE* pipe = popen(("{ " + command + "; } 2>" + errFile).c_str(), "r");
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

// Top edges of the knobs and the sections not frozen.
struct Knobs {
  int style;
  int y[kSectionCount];
  bool enabled[kSectionCount];
};
constexpr int kTopY = 43;

struct Case {
  const char* args;
  std::uint32_t seed, count;
  int spelling, role;
  Knobs knobs;  // `enabled` holds the sections that are not frozen
  std::size_t maxLength;
  bool unique;
};

// The model: the composer's comments at seed, seed+1, ..., less those too
// long or already printed, with the frozen sections disabled once the first
// comment is printed. Lines as --json decodes them, and as --mark prints.
void Expected(const Case& k, std::string* decoded, std::string* marked) {
  auto c = StoredComposer();
  RecordingDisplay display;
  c->window = &display;
  Knobs knobs = k.knobs;
  for (int s = 0; s < kSectionCount; ++s) knobs.enabled[s] = true;
  std::set<std::string> printed;
  for (std::uint32_t second = k.seed, done = 0; done < k.count; ++second) {
    ComposeAt(*c, second, knobs.style, k.spelling, k.role, knobs.y, knobs.enabled);
    const std::string comment = display.comment, mark = display.mark;
    if ((k.maxLength && comment.size() > k.maxLength) ||
        (k.unique && !printed.insert(comment).second)) {
      continue;
    }
    *decoded += std::to_string(second) + " " + mark + " " + comment + "\n";
    *marked += mark + " " + comment + "\n";
    ++done;
    for (int s = 0; s < kSectionCount; ++s) knobs.enabled[s] = k.knobs.enabled[s];
  }
}

TEST(KzubRun, PrintsTheComposersCommentsThatPassTheFilters) {
  const Case cases[] = {
      {"--style chatty --role buyer --spelling european --knobs 62,103,102 --freeze middle,end"
       " --count 4 --seed 4294967294",
       4294967294u, 4, 0, 0, {4, {58, 99, 98}, {1, 0, 0}}, 0, false},
      // The first comment is too long: the frozen Beginning is the second's.
      {"--max-length 60 --freeze beginning --count 5 --seed 1",
       1, 5, 1, 1, {0, {kTopY, kTopY, kTopY}, {0, 1, 1}}, 60, false},
      {"--style concise --freeze beginning,middle --unique --count 8 --seed 5",
       5, 8, 1, 1, {5, {kTopY, kTopY, kTopY}, {0, 0, 1}}, 0, true},
  };
  for (const Case& k : cases) {
    std::string decoded, marked;
    Expected(k, &decoded, &marked);
    const RunResult json = RunShell(kKzub + " " + k.args + " --json" + kDecodeJson);
    EXPECT_EQ(json.exitCode, 0) << k.args << json.err;
    EXPECT_EQ(json.out, decoded) << k.args;
    const RunResult plain = RunShell(kKzub + " " + k.args + " --mark");
    EXPECT_EQ(plain.err, "") << k.args;
    EXPECT_EQ(plain.out, marked) << k.args;
  }
}

TEST(KzubRun, RefusalsAndGivingUpAreOneLineOnStderr) {
  const struct {
    const char* args;
    int exitCode;
    std::size_t linesOut;
    const char* mentions;
  } cases[] = {
      {"--count 3 --style fancy", 2, 0, "fancy"},
      {"--max-length 5 --seed 1", 1, 0, "at most 5 characters"},
      {"--style concise --freeze beginning,middle --unique --count 9 --seed 5", 1, 8,
       "no new comment"},
  };
  for (const auto& k : cases) {
    const RunResult run = RunShell(kKzub + " " + k.args);
    EXPECT_EQ(run.exitCode, k.exitCode) << k.args;
    EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')),
              k.linesOut) << k.args;
    EXPECT_NE(run.err.find(k.mentions), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
  }
  const RunResult help = RunShell(kKzub + " --help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("usage: kzub", 0), 0u);
}

TEST(KzubJson, EveryByteReadsBackThroughAJsonParser) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  char line[2048];
  ASSERT_TRUE(FormatJsonLine(4294967295u, "=80", every.c_str(), line, sizeof line));
  const std::string file = ::testing::TempDir() + "kzub_json.txt";
  std::ofstream(file, std::ios::binary) << line;
  const RunResult read = RunShell("cat " + file + kDecodeJson);
  EXPECT_EQ(read.err, "");
  EXPECT_EQ(read.out, "4294967295 =80 " + every + "\n");
  EXPECT_FALSE(FormatJsonLine(1, "<80", "too long for the line", line, 40));
}

}  // namespace
}  // namespace kz
