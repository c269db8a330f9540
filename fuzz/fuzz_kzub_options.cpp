// kzub's option reader on any command line (an argument a line): one line naming the
// problem, or settings in range that read back the same from KzubSettings' options.
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz.h"
#include "resources/styles.h"
#include "tools/kzub/kzub_options.h"

using namespace kz;
using kz::fuzz::Check;

// The arguments: the lines of `text`, or its words.
static KzubAction Parse(const std::string& text, bool words, KzubOptions* options, std::string* error) {
  std::istringstream in(text);
  std::vector<std::string> args = {"kzub"};
  for (std::string arg; words ? !!(in >> arg) : !!std::getline(in, arg);) args.push_back(arg);
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return ParseKzubOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  KzubOptions o, read;
  std::string error;
  const KzubAction action = Parse(std::string(reinterpret_cast<const char*>(data), size), false, &o, &error);
  Check(action != KzubAction::kBadInput || (error.rfind("kzub: ", 0) == 0 && error.find('\n') == std::string::npos));
  if (action != KzubAction::kCompose) return 0;
  Check(0 <= o.style && o.style < kStyleCount && (o.role == 0 || o.role == 1) &&
        (o.spelling == 0 || o.spelling == 1) && 1 <= o.count && o.count <= kKzubMaxCount &&
        0 <= o.maxLength && o.maxLength <= kKzubMaxLength && (o.seedGiven || o.seed == 0));
  for (int row : o.knobRows) Check(kTopRow <= row && row <= kBottomRow);
  Check(Parse(KzubSettings(o), true, &read, &error) == KzubAction::kCompose && KzubSettings(read) == KzubSettings(o));
  return 0;
}
