// kzub's options as one table: each option's name, the name of its value
// (none for a switch), the parser that reads it and its help lines. The
// reading, the refusal of an unknown option and --help all come from it.
#include "tools/kzub/kzub_options.h"

#include <vector>

#include "midend/command_table.h"

namespace kz {
namespace {

// In ASCII lower case: names are taken in any letter case.
std::string Lower(std::string text) {
  for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

// The names kzub takes for the choices and sections: the last word of the
// menu item that makes the choice, in lower case ("As Buyer": buyer), and
// the sections' names from Tools > Enable.
std::string NameOf(CommandAction action, int argument) {
  for (const CommandEntry& e : kCommands) {
    if (e.action != action || e.argument != argument) continue;
    const std::string caption = e.caption;
    return Lower(caption.substr(caption.rfind(' ') + 1));
  }
  return "";
}

// Whether `e` makes one of `action`'s named choices (Enable > All names none).
bool Names(const CommandEntry& e, CommandAction action) {
  return e.action == action && !(action == CommandAction::Enable && e.argument == kAllSections);
}

// The argument of the `action` item named `name`, or -1.
int FindName(const std::string& name, CommandAction action) {
  for (const CommandEntry& e : kCommands) {
    if (Names(e, action) && NameOf(action, e.argument) == Lower(name)) {
      return e.argument;
    }
  }
  return -1;
}

// Every name of `action`'s items in menu order, separated by ", " and,
// before the last, by `last`.
std::string NamesOf(CommandAction action, const char* last) {
  std::vector<std::string> names;
  for (const CommandEntry& e : kCommands) {
    if (Names(e, action)) names.push_back(NameOf(action, e.argument));
  }
  std::string joined;
  for (std::size_t i = 0; i < names.size(); ++i) {
    joined += (i == 0 ? "" : i + 1 == names.size() ? last : ", ") + names[i];
  }
  return joined;
}

// The last second a 32-bit seed can name.
constexpr std::uint64_t kLastSecond = 0xFFFFFFFFu;

// A whole number of decimal digits only, from `low` to `high`.
bool ParseWhole(const std::string& text, std::uint64_t low, std::uint64_t high,
                std::uint64_t* value) {
  std::uint64_t v = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    v = v * 10 + static_cast<std::uint64_t>(ch - '0');
    if (v > high) return false;
  }
  *value = v;
  return !text.empty() && v >= low;
}

// Splits at commas into at most N items; an empty item makes the list malformed.
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

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// The rows a knob may be given, as the help and the refusals name them.
std::string RowRange() { return std::to_string(kTopRow) + " to " + std::to_string(kBottomRow); }

// --- The parsers: each reads its option's value into `o` and answers ""
// when it is accepted, else one line saying why not.

// --style, --role, --spelling: a choice by the name of its menu item.
template <CommandAction kAction, int KzubOptions::*field>
std::string ParseChoice(const std::string& value, KzubOptions* o) {
  const int choice = FindName(value, kAction);
  if (choice >= 0) {
    o->*field = choice;
    return "";
  }
  const char* what = kAction == CommandAction::Style  ? "style"
                     : kAction == CommandAction::Role ? "role"
                                                      : "spelling";
  return std::string("unknown ") + what + " " + Quoted(value) + ": accepted are " +
         NamesOf(kAction, ", ");
}

bool ParseKnob(const std::string& text, int* row) {
  static const char* const kNames[] = {"top", "middle", "bottom"};
  static const int kRows[] = {kTopRow, kMiddleRow, kBottomRow};
  int named = -1;
  for (int k = 0; k < 3; ++k) named = Lower(text) == kNames[k] ? k : named;
  std::uint64_t value = named >= 0 ? static_cast<std::uint64_t>(kRows[named]) : 0;
  if (named < 0 && !ParseWhole(text, kTopRow, kBottomRow, &value)) return false;
  *row = static_cast<int>(value);
  return true;
}

std::string ParseKnobs(const std::string& value, KzubOptions* o) {
  std::string items[kSectionCount];
  int count = 0;
  if (!SplitList(value, items, &count) || count != kSectionCount) {
    return "bad --knobs " + Quoted(value) +
           ": give three knobs R0,R1,R2, each top, middle, bottom or a row from " + RowRange();
  }
  for (int s = 0; s < kSectionCount; ++s) {
    if (!ParseKnob(items[s], &o->knobRows[s])) {
      return "bad knob " + Quoted(items[s]) + " in --knobs " + Quoted(value) +
             ": each knob is top, middle, bottom or a row from " + RowRange();
    }
  }
  return "";
}

std::string ParseFreeze(const std::string& value, KzubOptions* o) {
  std::string items[kSectionCount];
  int count = 0;
  bool frozen[kSectionCount] = {false, false, false};
  bool wellFormed = SplitList(value, items, &count);
  for (int k = 0; wellFormed && k < count; ++k) {
    const int s = FindName(items[k], CommandAction::Enable);
    wellFormed = s >= 0 && !frozen[s];
    if (wellFormed) frozen[s] = true;
  }
  if (!wellFormed) {
    return "bad --freeze " + Quoted(value) +
           ": give sections separated by commas, each of beginning, middle, end once";
  }
  for (int s = 0; s < kSectionCount; ++s) o->frozen[s] = frozen[s];
  return "";
}

std::string ParseCount(const std::string& value, KzubOptions* o) {
  std::uint64_t count = 0;
  if (!ParseWhole(value, 1, kKzubMaxCount, &count)) {
    return "bad --count " + Quoted(value) + ": accepted is a whole number from 1 to " +
           std::to_string(kKzubMaxCount);
  }
  o->count = static_cast<std::uint32_t>(count);
  return "";
}

std::string ParseSeed(const std::string& value, KzubOptions* o) {
  std::uint64_t seed = 0;
  if (!ParseWhole(value, 0, kLastSecond, &seed)) {
    return "bad --seed " + Quoted(value) +
           ": accepted is a whole number of seconds from 0 to " + std::to_string(kLastSecond);
  }
  o->seed = static_cast<std::uint32_t>(seed);
  o->seedGiven = true;
  return "";
}

std::string ParseMaxLength(const std::string& value, KzubOptions* o) {
  std::uint64_t length = 0;
  if (!ParseWhole(value, 1, kKzubMaxLength, &length)) {
    return "bad --max-length " + Quoted(value) +
           ": accepted is a whole number of characters from 1 to " + std::to_string(kKzubMaxLength);
  }
  o->maxLength = static_cast<int>(length);
  return "";
}

// A switch: sets its flag.
template <bool KzubOptions::*flag>
std::string Switch(const std::string&, KzubOptions* o) {
  o->*flag = true;
  return "";
}

struct Option {
  const char* name;
  const char* value;  // the value's name in the help; nullptr: the option takes none
  std::string (*parse)(const std::string& value, KzubOptions* o);  // nullptr: `action` alone
  std::string help;                          // a '\n' starts the next help line
  KzubAction action = KzubAction::kCompose;  // kCompose reads on; otherwise reading ends here
};

const KzubOptions kDefaults{};

// A choice option's help: its names and its default.
std::string Choice(CommandAction action, int byDefault) {
  return NamesOf(action, " or ") + " (default " + NameOf(action, byDefault) + ")";
}

const Option kOptions[] = {
    {"--style", "NAME", ParseChoice<CommandAction::Style, &KzubOptions::style>,
     Choice(CommandAction::Style, kDefaults.style)},
    {"--role", "NAME", ParseChoice<CommandAction::Role, &KzubOptions::role>,
     Choice(CommandAction::Role, kDefaults.role)},
    {"--spelling", "NAME", ParseChoice<CommandAction::Spelling, &KzubOptions::spelling>,
     Choice(CommandAction::Spelling, kDefaults.spelling)},
    {"--knobs", "R0,R1,R2", ParseKnobs,
     "Beginning, Middle and End knob: top, middle, bottom or a row\nfrom " + RowRange() +
         " (default top,top,top)"},
    {"--freeze", "LIST", ParseFreeze,
     "sections (beginning, middle, end) frozen after the first\ncomment printed, keeping its text"},
    {"--count", "N", ParseCount,
     "how many comments, 1 to " + std::to_string(kKzubMaxCount) + " (default " +
         std::to_string(kDefaults.count) + ")"},
    {"--seed", "SECONDS", ParseSeed,
     "clock reading of the first comment, 0 to " + std::to_string(kLastSecond) +
         "\n(default: the current time); the next "
     "use the seconds after"},
    {"--max-length", "N", ParseMaxLength,
     "print only comments of at most N characters, 1 to " + std::to_string(kKzubMaxLength) +
         "; a\nlonger one is skipped and the next second tried"},
    {"--unique", nullptr, Switch<&KzubOptions::unique>,
     "skip a comment already printed in this run"},
    {"--mark", nullptr, Switch<&KzubOptions::mark>,
     "start each line with the length mark (<80, =80, >80)"},
    {"--json", nullptr, Switch<&KzubOptions::json>,
     "one JSON object per line instead:\n"
     "{\"second\": S, \"mark\": \"<80\", \"length\": L, \"comment\": \"...\"}"},
    {"--help", nullptr, nullptr, "show this text", KzubAction::kHelp},
    {"--version", nullptr, nullptr, "show the version", KzubAction::kVersion},
};

// "--style NAME", "--unique": as the synopsis and the help write an option.
std::string Spelled(const Option& o) {
  return o.value ? std::string(o.name) + " " + o.value : std::string(o.name);
}

std::string Usage() {
  // The synopsis: every option in brackets, lines kept within 80 columns.
  std::string usage = "usage: kzub";
  std::size_t lineStart = 0;
  for (const Option& o : kOptions) {
    const std::string item = " [" + Spelled(o) + "]";
    if (usage.size() - lineStart + item.size() > 80) {
      lineStart = usage.size() + 1;
      usage += "\n" + std::string(11, ' ');
    }
    usage += item;
  }
  usage += "\nComposes auction feedback comments, one per line, as the Kudomat Zub window does.\n";
  // A line per option, more where its help has more, the help from column 21 on.
  for (const Option& o : kOptions) {
    std::string head = "  " + Spelled(o);
    head.resize(21, ' ');
    usage += head;
    for (char c : o.help) usage += c == '\n' ? "\n" + std::string(21, ' ') : std::string(1, c);
    usage += "\n";
  }
  return usage + "Exit status: 0 when every comment was printed; 1 when " +
         std::to_string(kKzubSkipLimit) +
         " seconds in a row\ngave no comment to print, or when standard output could not be "
         "written (a\nclosed pipe ends kzub quietly); 2 on bad input.\n"
         "Lines reach a terminal one at a time and a file or a pipe 64 KB at a time.\n"
         "Ctrl+C, SIGTERM and SIGHUP stop kzub after the current line, every line found\n"
         "written; kill -9 loses those not yet written (at most 64 KB).\n"
         "Example: 20 different comments that fit an 80-character feedback form:\n"
         "  kzub --max-length 80 --unique --count 20\n";
}

}  // namespace

KzubAction ParseKzubOptions(int argc, const char* const* argv, KzubOptions* options,
                            std::string* error) {
  KzubOptions parsed;
  auto bad = [error](const std::string& message) {
    *error = "kzub: " + message;
    return KzubAction::kBadInput;
  };
  for (int i = 1; i < argc; ++i) {
    const Option* option = nullptr;
    for (const Option& o : kOptions) {
      if (std::string(argv[i]) == o.name) option = &o;
    }
    if (!option) {
      std::string names;
      for (const Option& o : kOptions) names += std::string(names.empty() ? "" : ", ") + o.name;
      return bad("unknown option " + Quoted(argv[i]) + ": accepted are " + names);
    }
    if (!option->parse) return option->action;
    std::string value;
    if (option->value) {
      if (i + 1 >= argc) return bad(std::string(option->name) + " needs a value; see kzub --help");
      value = argv[++i];
    }
    const std::string why = option->parse(value, &parsed);
    if (!why.empty()) return bad(why);
  }
  *options = parsed;
  return KzubAction::kCompose;
}

const char* KzubUsage() {
  static const std::string usage = Usage();
  return usage.c_str();
}

std::string KzubSettings(const KzubOptions& o) {
  std::string frozen;
  for (int s = 0; s < kSectionCount; ++s) {
    if (o.frozen[s]) frozen += (frozen.empty() ? "" : ",") + NameOf(CommandAction::Enable, s);
  }
  return "--style " + NameOf(CommandAction::Style, o.style) + " --role " +
         NameOf(CommandAction::Role, o.role) + " --spelling " +
         NameOf(CommandAction::Spelling, o.spelling) + " --knobs " + std::to_string(o.knobRows[0]) + "," +
         std::to_string(o.knobRows[1]) + "," + std::to_string(o.knobRows[2]) +
         (frozen.empty() ? "" : " --freeze " + frozen);
}

}  // namespace kz
