// kzub's command line: the settings it turns into, and the reading of it.
// The options themselves are one table in kzub_options.cpp, from which the
// reading, the refusals and --help are all derived.
#pragma once

#include <cstdint>
#include <string>

#include "midend/kudomat_zub.h"

namespace kz {

struct KzubOptions {
  int style = 0;                   // Classic
  int role = kStartRole;           // as the program starts: As Seller
  int spelling = kStartSpelling;   // American
  int knobRows[kSectionCount] = {kTopRow, kTopRow, kTopRow};
  bool frozen[kSectionCount] = {false, false, false};  // from the second comment on
  std::uint32_t count = 1;
  bool seedGiven = false;
  std::uint32_t seed = 0;  // clock reading of the first comment
  bool mark = false;       // start each line with the length mark
  int maxLength = 0;       // longest comment printed; 0: any length
  bool unique = false;     // skip a comment already printed
  bool json = false;       // one JSON object per line
};

enum class KzubAction { kCompose, kHelp, kVersion, kBadInput };

constexpr std::uint32_t kKzubMaxCount = 1000000;
constexpr int kKzubMaxLength = 127;  // the longest comment the composer can write
// Seconds in a row whose comments may all be skipped before kzub gives up.
constexpr std::uint32_t kKzubSkipLimit = 100000;

// Reads argv[1..argc-1]. On kBadInput `error` holds one line (no newline)
// naming the bad value and what is accepted. --help and --version end the
// reading where they stand.
KzubAction ParseKzubOptions(int argc, const char* const* argv, KzubOptions* options,
                            std::string* error);

// The --help text.
const char* KzubUsage();

// The composing settings as the options that give them: --style, --role,
// --spelling, --knobs as rows, and --freeze when a section is frozen.
std::string KzubSettings(const KzubOptions& options);

}  // namespace kz
