// kzub: the command-line composer. It runs the window's engine on the
// window's word lists and prints, one per line, exactly the comments the
// window would show for the same settings and clock seconds.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdlib.h>  // _doserrno
#include <winerror.h>
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

// Writes `text` to standard output at once, so that a terminal shows each
// line as it is composed and an interrupted run has written every line it
// found. False when the write failed; kzub has then said why on stderr,
// unless the reader closed the pipe, and stops.
bool Write(const char* text) {
  const std::size_t n = std::strlen(text);
  if (std::fwrite(text, 1, n, stdout) == n && std::fflush(stdout) == 0) return true;
  const int error = errno;
  if (!ReaderGone(error)) std::fprintf(stderr, "kzub: cannot write: %s\n", std::strerror(error));
  return false;
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

// The comment as one line: plain, after its length mark, or as JSON.
bool PrintLine(const KzubOptions& options, Seconds second, const CapturedBoxes& boxes) {
  char line[kKzubJsonLineSize];
  if (options.json) {
    FormatJsonLine(second, boxes.mark, boxes.comment, line, sizeof line);
  } else {
    std::snprintf(line, sizeof line, "%s%s%s\n", options.mark ? boxes.mark : "",
                  options.mark ? " " : "", boxes.comment);
  }
  return Write(line);
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
  for (Seconds second = first, done = 0; done < options.count; ++second) {
    random.Seed(SeedOfSecond(second));
    composer.Compose(settings, random);
    const bool fits = options.maxLength == 0 ||
                      std::strlen(boxes.comment) <= static_cast<std::size_t>(options.maxLength);
    if (!fits || (options.unique && !printed.insert(boxes.comment).second)) {
      if (++skipped < kKzubSkipLimit) continue;
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
  return kDone;
}

}  // namespace
}  // namespace kz

int main(int argc, char** argv) {
#ifdef _WIN32
  // Plain "\n" line ends, byte for byte as on other systems.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
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
  return kz::Run(options);
}
