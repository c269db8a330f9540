// kzub: the command-line composer. It runs the window's engine on the
// window's word lists and prints, one per line, exactly the comments the
// window would show for the same settings and clock seconds.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"
#include "tools/kzub/kzub_json.h"
#include "tools/kzub/kzub_options.h"

#ifndef KZ_VERSION
#define KZ_VERSION "unknown"
#endif

namespace kz {
namespace {

// The second the next comment is composed in.
std::uint32_t currentSecond = 0;
std::uint32_t ToolClock() { return currentSecond; }

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

// Lines gathered into large writes.
class LineWriter {
 public:
  explicit LineWriter(std::FILE* out) : out_(out) {}
  ~LineWriter() { Flush(); }
  void Put(const char* text) {
    const std::size_t n = std::strlen(text);
    if (used_ + n > sizeof buffer_) Flush();
    if (n > sizeof buffer_) {
      std::fwrite(text, 1, n, out_);
      return;
    }
    std::memcpy(buffer_ + used_, text, n);
    used_ += n;
  }
  void Flush() {
    if (used_) std::fwrite(buffer_, 1, used_, out_);
    used_ = 0;
  }

 private:
  std::FILE* out_;
  char buffer_[1 << 16];
  std::size_t used_ = 0;
};

// The composer is large; it lives in static storage as in the window.
Composer composer;
const StoredStrings storedStrings;

static_assert(kKzubMaxLength == kTextSize - 1, "--max-length reaches the longest comment");
// Every character of a comment written as \u00XX, and room for the rest.
static_assert(kKzubJsonLineSize >= 6 * kTextSize + 128, "a JSON line holds any comment");

// Why kzub stopped early, on one line, with the settings that caused it.
std::string GiveUpMessage(const KzubOptions& options, std::uint32_t from) {
  using namespace kzub_detail;
  std::string wanted = options.unique ? "new comment" : "comment";
  if (options.maxLength > 0) {
    wanted += " of at most " + std::to_string(options.maxLength) + " characters";
  }
  std::string frozen;
  for (int s = 0; s < kSectionCount; ++s) {
    if (options.frozen[s]) frozen += (frozen.empty() ? "" : ",") + std::string(kSectionNames[s]);
  }
  return "kzub: no " + wanted + " in " + std::to_string(kKzubSkipLimit) +
         " seconds in a row from second " + std::to_string(from) + " (--style " +
         KzubStyleName(options.style) + " --role " + kRoleNames[options.role] + " --spelling " +
         kSpellingNames[options.spelling] + " --knobs " + std::to_string(options.knobRows[0]) +
         "," + std::to_string(options.knobRows[1]) + "," + std::to_string(options.knobRows[2]) +
         (frozen.empty() ? "" : " --freeze " + frozen) + ")" +
         (options.maxLength > 0 ? "; try a larger --max-length" : "");
}

// The comment as one line: plain, after its length mark, or as JSON.
void PrintLine(const KzubOptions& options, std::uint32_t second, const CapturedBoxes& boxes,
               LineWriter* out) {
  if (options.json) {
    char line[kKzubJsonLineSize];
    FormatJsonLine(second, boxes.mark, boxes.comment, line, sizeof line);
    out->Put(line);
    return;
  }
  if (options.mark) {
    out->Put(boxes.mark);
    out->Put(" ");
  }
  out->Put(boxes.comment);
  out->Put("\n");
}

int Run(const KzubOptions& options) {
  CapturedBoxes boxes;
  composer.instance = &storedStrings;
  composer.window = &boxes;
  composer.LoadWordLists();
  composer.LoadSpellingPairs();

  ComposeSettings settings = {options.style, options.role, options.spelling, {}};
  for (int s = 0; s < kSectionCount; ++s) settings.sections[s] = {KnobTop(options.knobRows[s]), true};

  SetClock(ToolClock);
  const std::uint32_t first = options.seedGiven ? options.seed : SystemClockSeconds();
  static LineWriter out(stdout);
  // The comments printed so far, for --unique: at most --count of them, at
  // about 160 bytes each (160 MB for the largest count).
  std::unordered_set<std::string> printed;
  if (options.unique) printed.reserve(options.count);
  std::uint32_t second = first;
  std::uint32_t skipped = 0;  // seconds in a row whose comment was not printed
  for (std::uint32_t done = 0; done < options.count; ++second) {  // wraps as the clock does
    currentSecond = second;
    composer.Compose(settings);
    const bool fits = options.maxLength == 0 ||
                      std::strlen(boxes.comment) <= static_cast<std::size_t>(options.maxLength);
    if (!fits || (options.unique && !printed.insert(boxes.comment).second)) {
      if (++skipped < kKzubSkipLimit) continue;
      out.Flush();
      std::fprintf(stderr, "%s\n", GiveUpMessage(options, second - (kKzubSkipLimit - 1)).c_str());
      return 1;
    }
    skipped = 0;
    PrintLine(options, second, boxes, &out);
    if (++done == 1) {  // frozen sections keep the first printed comment's text
      for (int s = 0; s < kSectionCount; ++s) {
        if (options.frozen[s]) settings.sections[s].enabled = false;
      }
    }
  }
  out.Flush();
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
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
      std::fputs(kz::KzubUsage(), stdout);
      return 0;
    case kz::KzubAction::kVersion:
      std::fputs("kzub " KZ_VERSION "\n", stdout);
      return 0;
    case kz::KzubAction::kBadInput:
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    case kz::KzubAction::kCompose:
      break;
  }
  return kz::Run(options);
}
