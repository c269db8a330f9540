// Feeds kzub's option reader any command line, one argument per input line.
// It refuses with one line naming the problem, stops at --help or
// --version, or gives settings in range that read back the same from the
// options KzubSettings writes for them.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "resources/styles.h"
#include "tools/kzub/kzub_options.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

kz::KzubAction Parse(const std::vector<std::string>& args, kz::KzubOptions* options,
                     std::string* error) {
  std::vector<const char*> argv = {"kzub"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return kz::ParseKzubOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
  for (std::string line; std::getline(lines, line);) args.push_back(line);
  kz::KzubOptions o;
  std::string error;
  const kz::KzubAction action = Parse(args, &o, &error);
  if (action == kz::KzubAction::kBadInput) {
    Check(error.rfind("kzub: ", 0) == 0 && error.find('\n') == std::string::npos);
  }
  if (action != kz::KzubAction::kCompose) return 0;
  Check(0 <= o.style && o.style < kz::kStyleCount && (o.role == 0 || o.role == 1) &&
        (o.spelling == 0 || o.spelling == 1) && 1 <= o.count && o.count <= kz::kKzubMaxCount &&
        0 <= o.maxLength && o.maxLength <= kz::kKzubMaxLength && (o.seedGiven || o.seed == 0));
  for (int row : o.knobRows) Check(kz::kTopRow <= row && row <= kz::kBottomRow);

  std::vector<std::string> again;
  std::istringstream words(kz::KzubSettings(o));
  for (std::string word; words >> word;) again.push_back(word);
  kz::KzubOptions read;
  Check(Parse(again, &read, &error) == kz::KzubAction::kCompose &&
        kz::KzubSettings(read) == kz::KzubSettings(o));
  return 0;
}
