// kzub: the command-line composer. It runs the window's engine on the
// window's word lists and prints, one per line, exactly the comments the
// window would show for the same settings and clock seconds.
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdlib.h>  // _doserrno
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"
#include "midend/kudomat_zub.h"
#include "tools/kzub/kzub_json.h"
#include "tools/kzub/kzub_options.h"

#ifndef KZ_VERSION
#define KZ_VERSION "unknown"
#endif

namespace kz {
namespace {

// Remembers what the composer shows, as the window's two boxes would.
class CapturedBoxes final : public CommentDisplay {
 public:
  void ShowComment(const char* text, const char* lengthMark) override {
    comment = text;
    mark = lengthMark;
  }
  const char* comment = "";
  const char* mark = "";
};

// Exit statuses, as --help and the man page give them.
constexpr int kDone = 0;
constexpr int kStopped = 1;  // gave up, or could not write
constexpr int kBadUsage = 2;

// The write failed because the reader has gone. Where SIGPIPE keeps its
// default, such a write ends kzub before it returns.
bool ReaderGone(int error) {
#ifdef _WIN32
  // msvcrt says EPIPE only for ERROR_BROKEN_PIPE; Windows answers a closed
  // pipe with ERROR_NO_DATA, Wine with ERROR_PIPE_NOT_CONNECTED (EINVAL both).
  const unsigned long why = _doserrno;
  return error == EPIPE || why == ERROR_NO_DATA || why == ERROR_PIPE_NOT_CONNECTED;
#else
  return error == EPIPE;
#endif
}

// Writes `n` bytes straight to the file descriptor, so that nothing below
// kzub cuts a line where a buffer of its own happens to fill. False when the
// write failed; kzub has then said why on stderr, unless the reader closed
// the pipe, and stops.
bool WriteOut(const char* data, std::size_t n) {
  while (n > 0) {
#ifdef _WIN32
    const int written = _write(_fileno(stdout), data, static_cast<unsigned>(n));
#else
    const ssize_t written = write(STDOUT_FILENO, data, n);
    if (written < 0 && errno == EINTR) continue;
#endif
    if (written <= 0) {
      const int error = errno;
      if (!ReaderGone(error)) std::fprintf(stderr, "kzub: cannot write: %s\n", std::strerror(error));
      return false;
    }
    data += written;
    n -= static_cast<std::size_t>(written);
  }
  return true;
}

// Standard output, in whole lines only. Into a file or a pipe the lines
// gather in a buffer that is written when the next line might not fit and at
// the end, as Unix filters do; into a terminal (a console on Windows, whose
// C run-time has no line buffering) each line is written as soon as it is
// composed. A stop signal ends the run after the current line with the
// buffer written out; only a kill that cannot be caught (kill -9) loses it.
class LineOutput {
 public:
  // Whether standard output is a terminal; asked once, before any output.
  void Open() {
#ifdef _WIN32
    DWORD mode;
    lineAtATime_ =
        GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout))), &mode) != 0;
#else
    lineAtATime_ = isatty(STDOUT_FILENO) != 0;
#endif
  }

  // Where the next line is written, with room for kKzubJsonLineSize bytes;
  // nullptr when the lines gathered had to be written out first and could
  // not be.
  char* Room() {
    if (sizeof buffer_ - used_ < kKzubJsonLineSize && !Flush()) return nullptr;
    return buffer_ + used_;
  }

  // Takes the `n` bytes of whole lines written at Room().
  bool Add(std::size_t n) {
    used_ += n;
    return !lineAtATime_ || Flush();
  }

  // Writes out the lines gathered.
  bool Flush() {
    const std::size_t n = used_;
    used_ = 0;
    return WriteOut(buffer_, n);
  }

 private:
  // 64 lines of the longest JSON, some 800 plain ones: one write each.
  // (--help and the man page give its size.)
  char buffer_[64 * 1024];
  std::size_t used_ = 0;
  bool lineAtATime_ = false;
};

LineOutput output;

// The --help and --version texts, each in one write.
bool Write(const char* text) { return WriteOut(text, std::strlen(text)); }

// The signal that asked kzub to stop; 0 while none has. The handler only
// sets it: the loop ends after the line under way and the lines gathered are
// written out before kzub ends as that signal ends a program.
std::atomic<int> stopSignal{0};
static_assert(ATOMIC_INT_LOCK_FREE == 2, "a signal handler may set stopSignal");

#ifdef _WIN32
// Ctrl+C and Ctrl+Break. When the console closes or the user logs off,
// Windows ends kzub as soon as the handler returns, so the handler waits for
// the loop to finish and end the process (Windows waits some seconds).
BOOL WINAPI OnConsoleEvent(DWORD event) {
  stopSignal = SIGINT;
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) Sleep(INFINITE);
  return TRUE;
}
#else
void OnStopSignal(int number) { stopSignal = number; }
#endif

void CatchStopSignals() {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  for (int number : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction action = {};
    sigaction(number, nullptr, &action);
    // A signal ignored from the start stays so (SIGINT of a background job).
    if (action.sa_handler == SIG_IGN) continue;
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // a write under way goes on to its end
    sigaction(number, &action, nullptr);
  }
#endif
}

// Ends kzub as the stop signal itself would have: a shell sees 128 + the
// signal (130 for Ctrl+C); Windows' own Ctrl+C ending on Windows.
[[noreturn]] void EndAsSignalled() {
#ifdef _WIN32
  ExitProcess(STATUS_CONTROL_C_EXIT);
#else
  const int number = stopSignal;
  std::signal(number, SIG_DFL);
  std::raise(number);
  _exit(128 + number);  // not reached: the signal ends kzub
#endif
}

// The composer is large; it lives in static storage as in the window.
Composer composer;
const StoredStrings storedStrings;

static_assert(kKzubMaxLength == kTextSize - 1, "--max-length reaches the longest comment");
// Every character of a comment written as \u00XX, and room for the rest.
static_assert(kKzubJsonLineSize >= 6 * kTextSize + 128, "a JSON line holds any comment");

// Why kzub stopped early, on one line, with the settings that caused it.
std::string GiveUpMessage(const KzubOptions& options, Seconds from) {
  std::string wanted = options.unique ? "new comment" : "comment";
  if (options.maxLength > 0) {
    wanted += " of at most " + std::to_string(options.maxLength) + " characters";
  }
  return "kzub: no " + wanted + " in " + std::to_string(kKzubSkipLimit) +
         " seconds in a row from second " + std::to_string(from) + " (" + KzubSettings(options) +
         ")" + (options.maxLength > 0 ? "; try a larger --max-length" : "");
}

// The comment as one line: plain, after its length mark, or as JSON,
// written straight into the output's buffer.
bool PrintLine(const KzubOptions& options, Seconds second, const CapturedBoxes& boxes) {
  char* const line = output.Room();
  if (!line) return false;
  if (options.json) {
    FormatJsonLine(second, boxes.mark, boxes.comment, line, kKzubJsonLineSize);
    return output.Add(std::strlen(line));
  }
  kzub_json_detail::BoundedLine out{line, kKzubJsonLineSize};
  if (options.mark) {
    out.Put(boxes.mark);
    out.Put(" ", 1);
  }
  out.Put(boxes.comment);
  out.Put("\n", 1);
  return output.Add(static_cast<std::size_t>(out.at - line));
}

int Run(const KzubOptions& options) {
  CapturedBoxes boxes;
  composer.instance = &storedStrings;
  composer.window = &boxes;
  composer.LoadWordLists();
  composer.LoadSpellingPairs();

  const bool none[kSectionCount] = {};
  ComposeSettings settings =
      SettingsFor(options.style, options.role, options.spelling, options.knobRows, none);
  Random random;
  const Seconds first = options.seedGiven ? options.seed : SystemClockSeconds();
  // The comments printed so far, for --unique: at most --count of them, at
  // about 160 bytes each (160 MB for the largest count).
  std::unordered_set<std::string> printed;
  if (options.unique) printed.reserve(options.count);
  std::uint32_t skipped = 0;  // seconds in a row whose comment was not printed
  for (Seconds second = first, done = 0; done < options.count && !stopSignal; ++second) {
    random.Seed(SeedOfSecond(second));
    composer.Compose(settings, random);
    const bool fits = options.maxLength == 0 ||
                      std::strlen(boxes.comment) <= static_cast<std::size_t>(options.maxLength);
    if (!fits || (options.unique && !printed.insert(boxes.comment).second)) {
      if (++skipped < kKzubSkipLimit) continue;
      if (!output.Flush()) return kStopped;
      std::fprintf(stderr, "%s\n", GiveUpMessage(options, second - (kKzubSkipLimit - 1)).c_str());
      return kStopped;
    }
    skipped = 0;
    if (!PrintLine(options, second, boxes)) return kStopped;
    if (++done == 1) {  // frozen sections keep the first printed comment's text
      settings = SettingsFor(options.style, options.role, options.spelling, options.knobRows,
                             options.frozen);
    }
  }
  return output.Flush() ? kDone : kStopped;
}

}  // namespace
}  // namespace kz

int main(int argc, char** argv) {
#ifdef _WIN32
  // Plain "\n" line ends, byte for byte as on other systems.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  kz::output.Open();
  kz::KzubOptions options;
  std::string error;
  switch (kz::ParseKzubOptions(argc, argv, &options, &error)) {
    case kz::KzubAction::kHelp:
      return kz::Write(kz::KzubUsage()) ? kz::kDone : kz::kStopped;
    case kz::KzubAction::kVersion:
      return kz::Write("kzub " KZ_VERSION "\n") ? kz::kDone : kz::kStopped;
    case kz::KzubAction::kBadInput:
      std::fprintf(stderr, "%s\n", error.c_str());
      return kz::kBadUsage;
    case kz::KzubAction::kCompose:
      break;
  }
  kz::CatchStopSignals();
  const int status = kz::Run(options);
  if (kz::stopSignal) kz::EndAsSignalled();
  return status;
}
