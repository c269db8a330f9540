// kzub's command line: what it accepts, and the settings it turns into.
// Kept in one header so the unit tests can read it without a library of
// its own.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "compose/compose_settings.h"
#include "resources/styles.h"

namespace kz {

struct KzubOptions {
  int style = 0;     // Classic
  int role = 1;      // As Seller
  int spelling = 1;  // American
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

// Style `style`'s name as kzub takes it: the style table's, in lower case.
inline std::string KzubStyleName(int style) {
  std::string name = kStyleTable[style].name;
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

// Every style name, separated by ", " and, before the last, by `last`.
inline std::string KzubStyleNames(const char* last) {
  std::string names;
  for (int style = 0; style < kStyleCount; ++style) {
    if (style > 0) names += style + 1 == kStyleCount ? last : ", ";
    names += KzubStyleName(style);
  }
  return names;
}

// The rows a knob may be given, as the help and the refusals name them.
inline std::string KzubRowRange() {
  return std::to_string(kTopRow) + " to " + std::to_string(kBottomRow);
}

inline const char* KzubUsage() {
  static const std::string usage =
      "usage: kzub [--style NAME] [--role NAME] [--spelling NAME] [--knobs R0,R1,R2]\n"
      "            [--freeze LIST] [--count N] [--seed SECONDS] [--max-length N]\n"
      "            [--unique] [--mark] [--json] [--help] [--version]\n"
      "Composes auction feedback comments, one per line, as the Kudomat Zub window does.\n"
      "  --style NAME       " +
      KzubStyleNames(" or ") + " (default " + KzubStyleName(KzubOptions().style) + ")\n" +
      "  --role NAME        buyer or seller (default seller)\n"
      "  --spelling NAME    american or european (default american)\n"
      "  --knobs R0,R1,R2   Beginning, Middle and End knob: top, middle, bottom or a row\n"
      "                     from " + KzubRowRange() + " (default top,top,top)\n"
      "  --freeze LIST      sections (beginning, middle, end) frozen after the first\n"
      "                     comment printed, keeping its text\n"
      "  --count N          how many comments, 1 to 1000000 (default 1)\n"
      "  --seed SECONDS     clock reading of the first comment, 0 to 4294967295\n"
      "                     (default: the current time); the next use the seconds after\n"
      "  --max-length N     print only comments of at most N characters, 1 to 127; a\n"
      "                     longer one is skipped and the next second tried\n"
      "  --unique           skip a comment already printed in this run\n"
      "  --mark             start each line with the length mark (<80, =80, >80)\n"
      "  --json             one JSON object per line instead:\n"
      "                     {\"second\": S, \"mark\": \"<80\", \"length\": L, \"comment\": \"...\"}\n"
      "  --help             show this text\n"
      "  --version          show the version\n"
      "When 100000 seconds in a row give no comment to print, kzub stops with exit\n"
      "status 1. Bad input gives exit status 2.\n"
      "Example: 20 different comments that fit an 80-character feedback form:\n"
      "  kzub --max-length 80 --unique --count 20\n";
  return usage.c_str();
}

namespace kzub_detail {

// ASCII case-insensitive equality.
inline bool SameName(const char* a, const char* b) {
  for (;; ++a, ++b) {
    char x = *a, y = *b;
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
    if (x == '\0') return true;
  }
}

// Index of `name` among `names`, or -1.
template <int N>
int FindName(const char* name, const char* const (&names)[N]) {
  for (int i = 0; i < N; ++i) {
    if (SameName(name, names[i])) return i;
  }
  return -1;
}

// A whole number of decimal digits only, at most `max`.
inline bool ParseWhole(const std::string& text, std::uint64_t max, std::uint64_t* value) {
  if (text.empty()) return false;
  std::uint64_t v = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    v = v * 10 + static_cast<std::uint64_t>(ch - '0');
    if (v > max) return false;
  }
  *value = v;
  return true;
}

// Splits at commas; an empty item makes the list malformed.
template <int N>
bool SplitList(const std::string& text, std::string (&items)[N], int* count) {
  *count = 0;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t comma = text.find(',', begin);
    const std::string item =
        text.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin);
    if (item.empty() || *count == N) return false;
    items[(*count)++] = item;
    if (comma == std::string::npos) return true;
    begin = comma + 1;
  }
}

inline bool ParseKnob(const std::string& text, int* row) {
  static const char* const kNames[] = {"top", "middle", "bottom"};
  static const int kRows[] = {kTopRow, kMiddleRow, kBottomRow};
  const int named = FindName(text.c_str(), kNames);
  if (named >= 0) {
    *row = kRows[named];
    return true;
  }
  std::uint64_t value = 0;
  if (!ParseWhole(text, kBottomRow, &value) || value < static_cast<std::uint64_t>(kTopRow)) {
    return false;
  }
  *row = static_cast<int>(value);
  return true;
}

inline const char* const kRoleNames[] = {"buyer", "seller"};
inline const char* const kSpellingNames[] = {"european", "american"};  // by flag value
inline const char* const kSectionNames[] = {"beginning", "middle", "end"};

inline std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace kzub_detail

// Reads argv[1..argc-1]. On kBadInput `error` holds one line (no newline)
// naming the bad value and what is accepted. --help and --version end the
// reading where they stand.
inline KzubAction ParseKzubOptions(int argc, const char* const* argv, KzubOptions* options,
                                   std::string* error) {
  using namespace kzub_detail;
  KzubOptions parsed;
  auto bad = [error](const std::string& message) {
    *error = "kzub: " + message;
    return KzubAction::kBadInput;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help") return KzubAction::kHelp;
    if (option == "--version") return KzubAction::kVersion;
    static const struct {
      const char* name;
      bool KzubOptions::*flag;
    } kFlags[] = {{"--mark", &KzubOptions::mark},
                  {"--unique", &KzubOptions::unique},
                  {"--json", &KzubOptions::json}};
    bool isFlag = false;
    for (const auto& f : kFlags) {
      if (option == f.name) {
        parsed.*f.flag = true;
        isFlag = true;
      }
    }
    if (isFlag) continue;
    static const char* const kWithValue[] = {"--style", "--role", "--spelling", "--knobs",
                                             "--freeze", "--count", "--seed", "--max-length"};
    bool known = false;
    for (const char* name : kWithValue) known = known || option == name;
    if (!known) {
      return bad("unknown option " + Quoted(option) +
                 ": accepted are --style, --role, --spelling, --knobs, --freeze, --count,"
                 " --seed, --max-length, --unique, --mark, --json, --help, --version");
    }
    if (i + 1 >= argc) return bad(option + " needs a value; see kzub --help");
    const std::string value = argv[++i];

    if (option == "--style") {
      int style = -1;
      for (int s = 0; s < kStyleCount; ++s) {
        if (SameName(value.c_str(), kStyleTable[s].name)) style = s;
      }
      if (style < 0) {
        return bad("unknown style " + Quoted(value) + ": accepted are " + KzubStyleNames(", "));
      }
      parsed.style = style;
    } else if (option == "--role") {
      const int role = FindName(value.c_str(), kRoleNames);
      if (role < 0) return bad("unknown role " + Quoted(value) + ": accepted are buyer, seller");
      parsed.role = role;
    } else if (option == "--spelling") {
      const int spelling = FindName(value.c_str(), kSpellingNames);
      if (spelling < 0) {
        return bad("unknown spelling " + Quoted(value) + ": accepted are american, european");
      }
      parsed.spelling = spelling;
    } else if (option == "--knobs") {
      std::string items[kSectionCount];
      int count = 0;
      if (!SplitList(value, items, &count) || count != kSectionCount) {
        return bad("bad --knobs " + Quoted(value) +
                   ": give three knobs R0,R1,R2, each top, middle, bottom or a row from " +
                   KzubRowRange());
      }
      for (int s = 0; s < kSectionCount; ++s) {
        if (!ParseKnob(items[s], &parsed.knobRows[s])) {
          return bad("bad knob " + Quoted(items[s]) + " in --knobs " + Quoted(value) +
                     ": each knob is top, middle, bottom or a row from " + KzubRowRange());
        }
      }
    } else if (option == "--freeze") {
      std::string items[kSectionCount];
      int count = 0;
      bool frozen[kSectionCount] = {false, false, false};
      bool wellFormed = SplitList(value, items, &count);
      for (int k = 0; wellFormed && k < count; ++k) {
        const int s = FindName(items[k].c_str(), kSectionNames);
        if (s < 0 || frozen[s]) {
          wellFormed = false;
        } else {
          frozen[s] = true;
        }
      }
      if (!wellFormed) {
        return bad("bad --freeze " + Quoted(value) +
                   ": give sections separated by commas, each of beginning, middle, end once");
      }
      std::memcpy(parsed.frozen, frozen, sizeof frozen);
    } else if (option == "--count") {
      std::uint64_t count = 0;
      if (!ParseWhole(value, kKzubMaxCount, &count) || count == 0) {
        return bad("bad --count " + Quoted(value) + ": accepted is a whole number from 1 to " +
                   std::to_string(kKzubMaxCount));
      }
      parsed.count = static_cast<std::uint32_t>(count);
    } else if (option == "--max-length") {
      std::uint64_t length = 0;
      if (!ParseWhole(value, kKzubMaxLength, &length) || length == 0) {
        return bad("bad --max-length " + Quoted(value) +
                   ": accepted is a whole number of characters from 1 to " +
                   std::to_string(kKzubMaxLength));
      }
      parsed.maxLength = static_cast<int>(length);
    } else {  // --seed
      std::uint64_t seed = 0;
      if (!ParseWhole(value, 0xFFFFFFFFu, &seed)) {
        return bad("bad --seed " + Quoted(value) +
                   ": accepted is a whole number of seconds from 0 to 4294967295");
      }
      parsed.seed = static_cast<std::uint32_t>(seed);
      parsed.seedGiven = true;
    }
  }
  *options = parsed;
  return KzubAction::kCompose;
}

}  // namespace kz
