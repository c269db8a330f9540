// The kzub program itself: its plain, --mark and --json lines are the
// comments the composer shows for the same settings and seconds, less those
// the filters skip, and an interrupted run has written every one it found;
// its JSON reads back through a real JSON parser; --help and --version are
// pinned; refusals, giving up and a failed write are one line on stderr, and
// a closed pipe ends it quietly.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
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

std::size_t Lines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

constexpr int kTopY = 43;

struct Case {
  const char* args;
  Seconds seed;
  std::uint32_t count;
  int style, spelling, role;
  int y[kSectionCount];              // the knobs' top edges
  bool notFrozen[kSectionCount];     // the sections composed afresh after the first comment
  std::size_t maxLength;
  bool unique;
};

// The model: the composer's comments at seed, seed+1, ..., less those too
// long or already printed, with the frozen sections disabled once the first
// comment is printed. Lines as --json decodes them, as --mark prints and plain.
void Expected(const Case& k, std::string* decoded, std::string* marked, std::string* plain) {
  auto c = StoredComposer();
  RecordingDisplay display;
  c->window = &display;
  bool enabled[kSectionCount] = {true, true, true};
  std::set<std::string> printed;
  for (Seconds second = k.seed, done = 0; done < k.count; ++second) {
    ComposeAt(*c, second, k.style, k.spelling, k.role, k.y, enabled);
    const std::string comment = display.comment, mark = display.mark;
    if ((k.maxLength && comment.size() > k.maxLength) ||
        (k.unique && !printed.insert(comment).second)) {
      continue;
    }
    *decoded += std::to_string(second) + " " + mark + " " + comment + "\n";
    *marked += mark + " " + comment + "\n";
    *plain += comment + "\n";
    ++done;
    std::copy(k.notFrozen, k.notFrozen + kSectionCount, enabled);
  }
}

TEST(KzubRun, PrintsTheComposersCommentsThatPassTheFilters) {
  const Case cases[] = {
      // Past the 32-bit seconds: the seed is the second's low 32 bits.
      {"--style chatty --role buyer --spelling european --knobs 62,103,102 --freeze middle,end"
       " --count 4 --seed 4294967294",
       4294967294, 4, 4, 0, 0, {58, 99, 98}, {1, 0, 0}, 0, false},
      // The defaults; the first comment is too long: the frozen Beginning is the second's.
      {"--max-length 60 --freeze beginning --count 5 --seed 1",
       1, 5, 0, 1, 1, {kTopY, kTopY, kTopY}, {0, 1, 1}, 60, false},
      {"--style concise --freeze beginning,middle --unique --count 8 --seed 5",
       5, 8, 5, 1, 1, {kTopY, kTopY, kTopY}, {0, 0, 1}, 0, true},
  };
  for (const Case& k : cases) {
    std::string decoded, marked, plain;
    Expected(k, &decoded, &marked, &plain);
    const RunResult json = RunShell(kKzub + " " + k.args + " --json" + kDecodeJson);
    EXPECT_EQ(json.exitCode, 0) << k.args << json.err;
    EXPECT_EQ(json.out, decoded) << k.args;
    EXPECT_EQ(RunShell(kKzub + " " + k.args + " --mark").out, marked) << k.args;
    const RunResult run = RunShell(kKzub + " " + k.args);
    EXPECT_EQ(run.err, "") << k.args;
    EXPECT_EQ(run.out, plain) << k.args;
  }
}

// Every line found before the interrupt has been written, though stdout is
// a pipe: 60 or so lines in half a second, of 100000 wanted, each whole and
// each the model's (the first 20 are compared).
TEST(KzubRun, AnInterruptedRunHasWrittenEveryCommentFound) {
  const RunResult run =
      RunShell("timeout -s INT 0.5 " + kKzub + " --max-length 55 --count 100000 --seed 0");
  const std::uint32_t lines = static_cast<std::uint32_t>(std::min<std::size_t>(Lines(run.out), 20));
  Case k = {"", 0, lines, 0, 1, 1, {kTopY, kTopY, kTopY}, {1, 1, 1}, 55, false};
  ASSERT_GT(lines, 0u);
  std::string decoded, marked, plain;
  Expected(k, &decoded, &marked, &plain);
  EXPECT_EQ(run.out.substr(0, plain.size()), plain);
  EXPECT_EQ(run.out.back(), '\n');
}

TEST(KzubRun, RefusalsGivingUpAndFailedWritesAreOneLineOnStderr) {
  const std::string cannotWrite = "kzub: cannot write: No space left on device\n";
  const struct {
    std::string command;
    int exitCode;
    std::size_t linesOut;
    std::string err;  // all of it, or a part of its one line
  } cases[] = {
      {kKzub + " --count 3 --style fancy", 2, 0, "unknown style 'fancy'"},
      {kKzub + " --max-length 5 --seed 1", 1, 0, "no comment of at most 5 characters"},
      {kKzub + " --style concise --freeze beginning,middle --unique --count 9 --seed 5", 1, 8,
       "kzub: no new comment in 100000 seconds in a row from second 34 (--style concise --role "
       "seller --spelling american --knobs 47,47,47 --freeze beginning,middle)\n"},
      // The first failed write ends the run, whatever was being written.
      {kKzub + " --count 1000000 >/dev/full", 1, 0, cannotWrite},
      {kKzub + " --json >/dev/full", 1, 0, cannotWrite},
      {kKzub + " --help >/dev/full", 1, 0, cannotWrite},
      {kKzub + " --version >/dev/full", 1, 0, cannotWrite},
      {kKzub + " >&-", 1, 0, "kzub: cannot write: Bad file descriptor\n"},
      // A closed pipe: SIGPIPE ends kzub; where it is ignored, kzub stops quietly.
      {"{ " + kKzub + " --count 1000000; echo status $? >&2; } | head -1", 0, 1, "status 141\n"},
      {"{ trap '' PIPE; " + kKzub + " --count 1000000; echo status $? >&2; } | head -1", 0, 1,
       "status 1\n"},
  };
  for (const auto& k : cases) {
    const RunResult run = RunShell(k.command);
    EXPECT_EQ(run.exitCode, k.exitCode) << k.command;
    EXPECT_EQ(Lines(run.out), k.linesOut) << k.command;
    EXPECT_NE(run.err.find(k.err), std::string::npos) << k.command << ": " << run.err;
    EXPECT_EQ(Lines(run.err), 1u) << k.command << ": " << run.err;
  }
}

// --help and --version print what they should; the help, derived from the
// option table, is pinned by a digest (FNV-1a): a changed option row changes it.
TEST(KzubRun, HelpAndVersionArePinned) {
  const RunResult help = RunShell(kKzub + " --help");
  EXPECT_EQ(help.exitCode, 0);
  std::uint64_t digest = 14695981039346656037u;
  for (unsigned char c : help.out) digest = (digest ^ c) * 1099511628211u;
  EXPECT_EQ(digest, 15969718994876297687u) << help.out;
  const RunResult version = RunShell(kKzub + " --version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("kzub [0-9]+\\.[0-9]+\n"))) << version.out;
}

TEST(KzubJson, EveryByteReadsBackThroughAJsonParser) {
  std::string every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  char line[2048];
  ASSERT_TRUE(FormatJsonLine(4294967296, "=80", every.c_str(), line, sizeof line));
  const std::string file = ::testing::TempDir() + "kzub_json.txt";
  std::ofstream(file, std::ios::binary) << line;
  const RunResult read = RunShell("cat " + file + kDecodeJson);
  EXPECT_EQ(read.err, "");
  EXPECT_EQ(read.out, "4294967296 =80 " + every + "\n");
  EXPECT_FALSE(FormatJsonLine(1, "<80", "too long for the line", line, 40));
}

}  // namespace
}  // namespace kz
