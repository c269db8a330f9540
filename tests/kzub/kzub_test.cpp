// kzub: its option table, and the program against a model of the composer's comments; its JSON
// through a real JSON parser, its help, version, refusals, giving up and failed writes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/compose/composer_fixture.h"
#include "tools/kzub/kzub_json.h"
#include "tools/kzub/kzub_options.h"

namespace kz {
namespace {

using namespace testing_support;

// Reads the options of a command line whose arguments are separated by spaces.
KzubAction Parse(const std::string& args, KzubOptions* options, std::string* error) {
  std::istringstream in(args);
  const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
  std::vector<const char*> argv = {"kzub"};
  for (const std::string& w : words) argv.push_back(w.c_str());
  return ParseKzubOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(KzubOptions, ReadsSettingsAndRefusesBadInputNamingIt) {
  const struct {
    const char* args;
    const char* named;  // in the refusal; nullptr: accepted, giving `settings`
    const char* settings = nullptr;
  } cases[] = {
      {"", nullptr, "--style classic --role seller --spelling american --knobs 47,47,47"},
      {"--knobs 47,Middle,118 --role BUYER --spelling european", nullptr,
       "--style classic --role buyer --spelling european --knobs 47,82,118"},
      {"--freeze end,beginning --style Flat --knobs bottom,top,103", nullptr,
       "--style flat --role seller --spelling american --knobs 118,47,103 --freeze beginning,end"},
      {"--count 1000000 --seed 4294967295 --max-length 127 --unique --json --mark", nullptr,
       "--style classic --role seller --spelling american --knobs 47,47,47"},
      {"--colour", "'--colour': accepted are --style, --role, --spelling, --knobs, --freeze, "
                   "--count, --seed, --max-length, --unique, --mark, --json, --help, --version"},
      {"--style fancy", "'fancy': accepted are classic, emotive, exhuberant, flat, chatty, concise"},
      {"--role agent", "'agent'"}, {"--spelling us", "'us'"}, {"--style", "--style needs a value"},
      {"--knobs top,top", "'top,top'"}, {"--knobs 46,top,top", "'46'"}, {"--knobs top,119,top", "'119'"},
      {"--knobs top,,top", "'top,,top'"}, {"--freeze end,end", "'end,end'"}, {"--count 0", "'0'"},
      {"--count 1000001", "'1000001'"}, {"--seed 4294967296", "'4294967296'"}, {"--seed -1", "'-1'"},
      {"--max-length 0", "'0'"}, {"--max-length 128", "'128'"},
  };
  for (const auto& k : cases) {
    KzubOptions options;
    std::string error;
    EXPECT_EQ(Parse(k.args, &options, &error), k.named ? KzubAction::kBadInput : KzubAction::kCompose) << k.args;
    EXPECT_TRUE(k.named ? error.rfind("kzub: ", 0) == 0 && error.find(k.named) != std::string::npos
                        : KzubSettings(options) == k.settings) << k.args << ": " << error << KzubSettings(options);
  }
  // The numbers, which kzub's model below reads through this table too.
  KzubOptions o;
  std::string error;
  EXPECT_EQ(Parse("--count 20 --seed 7 --max-length 80", &o, &error), KzubAction::kCompose);
  EXPECT_TRUE(o.count == 20 && o.seedGiven && o.seed == 7 && o.maxLength == 80 && !o.unique);
}

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
  const std::string errFile = ::testing::TempDir() + "kzub_stderr_" + std::to_string(getpid());
  RunResult run = {-1, "", ""};
  std::FILE* pipe = popen(("{ " + command + "; } 2>" + errFile).c_str(), "r");
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pipe ? pclose(pipe) : -1;
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  std::ifstream err(errFile);
  run.err.assign(std::istreambuf_iterator<char>(err), {});
  return run;
}

std::size_t Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// The model: the composer's comments from the --seed second on, less those
// too long or already printed, the frozen sections composed no more once the
// first is printed: the lines as --json decodes them, as --mark prints and plain.
std::array<std::string, 3> Expected(const std::string& args, std::uint32_t count = 0) {
  KzubOptions o;
  std::string error;
  EXPECT_EQ(Parse(args, &o, &error), KzubAction::kCompose) << error;
  auto c = StoredComposer();
  RecordingDisplay display;
  c->window = &display;
  int y[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) y[s] = KnobTop(o.knobRows[s]);
  bool frozen[kSectionCount] = {};
  std::set<std::string> printed;
  std::array<std::string, 3> lines;
  for (Seconds second = o.seed, done = 0; done < (count ? count : o.count); ++second) {
    ComposeAt(*c, second, o.style, o.role, o.spelling, y, frozen);
    const std::string& t = display.comment;
    if ((o.maxLength && t.size() > static_cast<std::size_t>(o.maxLength)) ||
        (o.unique && !printed.insert(t).second)) {
      continue;
    }
    lines[0] += std::to_string(second) + " " + display.mark + " " + t + "\n";
    lines[1] += display.mark + " " + t + "\n";
    lines[2] += t + "\n";
    ++done;
    std::copy(o.frozen, o.frozen + kSectionCount, frozen);
  }
  return lines;
}

TEST(KzubRun, PrintsTheComposersCommentsThatPassTheFilters) {
  for (const std::string args : {
           // Past the 32-bit seconds: the seed is the second's low 32 bits.
           "--style chatty --role buyer --spelling european --knobs 62,103,102 --freeze middle,end "
           "--count 4 --seed 4294967294",
           // The first comment is too long: the frozen Beginning is the second's.
           "--max-length 60 --freeze beginning --count 5 --seed 1",
           "--style concise --freeze beginning,middle --unique --count 8 --seed 5"}) {
    const std::array<std::string, 3> want = Expected(args);
    const RunResult json = RunShell(kKzub + " " + args + " --json" + kDecodeJson);
    EXPECT_EQ(json.exitCode, 0) << args << json.err;
    EXPECT_EQ(json.out, want[0]) << args;
    EXPECT_EQ(RunShell(kKzub + " " + args + " --mark").out, want[1]) << args;
    const RunResult run = RunShell(kKzub + " " + args);
    EXPECT_EQ(run.err, "") << args;
    EXPECT_EQ(run.out, want[2]) << args;
  }
}

// A signal half a second into a run: SIGINT, SIGTERM and SIGHUP end kzub after the line under way,
// with the signal's status; kill -9 loses a pipe's unwritten buffer, not a terminal's lines.
TEST(KzubRun, ASignalLeavesWholeLinesAndTheSignalsStatus) {
  const std::string args = " --max-length 57 --count 100000 --seed 0";
  auto signalled = [&](const std::string& signal, const char* more = "") {
    return "timeout --preserve-status -s " + signal + " 0.5 " + kKzub + args + more;
  };
  auto pipe = [&](const std::string& signal, const char* more = "") {  // without the shell's "Killed"
    const std::string run =
        signal == "KILL" ? "sh -c '" + signalled(signal) + "; exit $?' 2>/dev/null" : signalled(signal, more);
    return "{ " + run + "; echo status $? >&2; }";
  };
  const struct {
    std::string command;
    int status;
    bool kept;  // the lines found are written
    bool json;
  } cases[] = {
      {pipe("INT"), 130, true, false},
      {pipe("TERM", " --json") + kDecodeJson, 143, true, true},
      {pipe("HUP"), 129, true, false},
      {pipe("KILL"), 137, false, false},
      {"{ script -qec '" + signalled("KILL") + "' /dev/null </dev/null; echo status $? >&2; } | tr -d '\\r'", 137,
       true, false},
  };
  for (const auto& k : cases) {
    const RunResult run = RunShell(k.command);
    EXPECT_EQ(run.err, "status " + std::to_string(k.status) + "\n") << k.command;
    const std::size_t lines = std::min<std::size_t>(Lines(run.out), 20);
    EXPECT_EQ(lines > 0, k.kept) << k.command;
    if (lines == 0) continue;
    const std::string want = Expected(args, lines)[k.json ? 0 : 2];
    EXPECT_EQ(run.out.substr(0, want.size()), want) << k.command;
    EXPECT_EQ(run.out.back(), '\n') << k.command;
  }
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
      {"{ trap '' PIPE; " + kKzub + " --count 1000000; echo status $? >&2; } | head -1", 0, 1, "status 1\n"},
  };
  for (const auto& k : cases) {
    const RunResult run = RunShell(k.command);
    EXPECT_EQ(run.exitCode, k.exitCode) << k.command;
    EXPECT_EQ(Lines(run.out), k.linesOut) << k.command;
    EXPECT_NE(run.err.find(k.err), std::string::npos) << k.command << ": " << run.err;
    EXPECT_EQ(Lines(run.err), 1u) << k.command << ": " << run.err;
  }
}

// The help, from the option table, pinned by a digest (FNV-1a); options after --help are not read.
TEST(KzubRun, HelpAndVersionArePinned) {
  const RunResult help = RunShell(kKzub + " --count 20 --help --style fancy");
  EXPECT_EQ(help.exitCode, 0);
  std::uint64_t digest = 14695981039346656037u;
  for (unsigned char c : help.out) digest = (digest ^ c) * 1099511628211u;
  EXPECT_EQ(digest, 10206776691252855074u) << help.out;
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
}

}  // namespace
}  // namespace kz
