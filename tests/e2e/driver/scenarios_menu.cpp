// Initial settings after start-up, and the menu rules: which items are
// greyed after each command, menu item or checkbox click, read from inside
// the program by the probe.
#include <algorithm>

#include "actions.h"

namespace kze {

namespace {

using Ids = std::vector<UINT>;

const Ids kView = {32782, 32804};                     // American, As Seller greyed
const Ids kEnableItems = {32806, 32807, 32808, 32809};
const Ids kFreezeItems = {32810, 32811, 32812, 32813};
const Ids kBeginningItems = {32789, 32790, 32791};
const Ids kMiddleItems = {32792, 32793, 32794};
const Ids kEndItems = {32795, 32796, 32797};
const Ids kAllAndRandom = {32802, 32799, 32798, 32801};

Ids operator+(Ids a, const Ids& b) {
  a.insert(a.end(), b.begin(), b.end());
  std::sort(a.begin(), a.end());
  a.erase(std::unique(a.begin(), a.end()), a.end());
  return a;
}

// After start-up: American, As Seller and the whole Enable submenu.
const Ids kStart = kView + kEnableItems;
// Every section frozen.
const Ids kAllFrozen = kView + kFreezeItems + kBeginningItems + kMiddleItems + kEndItems +
                       kAllAndRandom;

enum class Via { kCommand, kCheckbox };
struct Step {
  Via via;
  int id;
  Ids greyed;
  int checks;  // bit 0 Beginning, bit 1 Middle, bit 2 End
};
struct Scenario {
  const char* name;
  std::vector<Step> steps;
};

Step Cmd(int id, Ids greyed, int checks = 7) { return {Via::kCommand, id, greyed, checks}; }
Step Box(int id, Ids greyed, int checks) { return {Via::kCheckbox, id, greyed, checks}; }

const std::vector<Scenario>& MenuScenarios() {
  static const std::vector<Scenario> table = {
      {"Freeze > All greys every Edit command, Freeze items; enables Enable items",
       {Cmd(32813, kAllFrozen, 0)}},
      {"Freeze > All twice changes nothing more", {Cmd(32813, kAllFrozen, 0), Cmd(32813, kAllFrozen, 0)}},
      {"unchecking b, m, e one by one; the last one looks like Freeze > All",
       {Box(400, kView + Ids{32807, 32808, 32810} + kBeginningItems, 6),
        Box(401, kView + Ids{32808, 32810, 32811} + kBeginningItems + kMiddleItems, 4),
        Box(402, kAllFrozen, 0)}},
      {"Freeze > Beginning by menu",
       {Cmd(32810, kView + Ids{32807, 32808, 32810} + kBeginningItems, 6)}},
      {"Freeze > Beginning, then Enable > Beginning greys Enable > All again",
       {Cmd(32810, kView + Ids{32807, 32808, 32810} + kBeginningItems, 6), Cmd(32806, kStart)}},
      {"Freeze > End by menu, then checkbox e on",
       {Cmd(32812, kView + Ids{32806, 32807, 32812} + kEndItems, 3), Box(402, kStart, 7)}},
      {"Freeze > All, then Enable > Middle, End, and checkbox b",
       {Cmd(32813, kAllFrozen, 0),
        Cmd(32807, kView + Ids{32807, 32810, 32812} + kBeginningItems + kEndItems, 2),
        Cmd(32808, kView + Ids{32807, 32808, 32810} + kBeginningItems, 6),
        Box(400, kStart, 7)}},
      {"Freeze > All, then Enable > All", {Cmd(32813, kAllFrozen, 0), Cmd(32809, kStart)}},
      {"Enable > All while all are enabled", {Cmd(32809, kStart)}},
      {"checkbox m off and on again",
       {Box(401, kView + Ids{32806, 32808, 32811} + kMiddleItems, 5), Box(401, kStart, 7)}},
      {"Freeze > Middle, then Freeze > All, then checkbox m on",
       {Cmd(32811, kView + Ids{32806, 32808, 32811} + kMiddleItems, 5), Cmd(32813, kAllFrozen, 0),
        Box(401, kView + Ids{32807, 32810, 32812} + kBeginningItems + kEndItems, 2)}},
      {"each style greys its own Insert item and enables the other five",
       {Cmd(32775, kStart + Ids{32775}), Cmd(32777, kStart + Ids{32777}),
        Cmd(32778, kStart + Ids{32778}), Cmd(32784, kStart + Ids{32784}),
        Cmd(32785, kStart + Ids{32785}), Cmd(32786, kStart + Ids{32786}),
        Cmd(32775, kStart + Ids{32775}), Cmd(32775, kStart + Ids{32775})}},
      {"View > American twice keeps American greyed; European swaps",
       {Cmd(32782, kStart), Cmd(32782, kStart),
        Cmd(32783, kEnableItems + Ids{32783, 32804}), Cmd(32783, kEnableItems + Ids{32783, 32804}),
        Cmd(32782, kStart)}},
      {"View > As Buyer and As Seller",
       {Cmd(32803, kEnableItems + Ids{32782, 32803}), Cmd(32803, kEnableItems + Ids{32782, 32803}),
        Cmd(32804, kStart), Cmd(32804, kStart)}},
      {"style, spelling, role and a frozen section together",
       {Cmd(32784, kStart + Ids{32784}), Cmd(32783, kEnableItems + Ids{32783, 32804, 32784}),
        Cmd(32803, kEnableItems + Ids{32783, 32803, 32784}),
        Cmd(32811, Ids{32783, 32803, 32784, 32806, 32808, 32811} + kMiddleItems, 5)}},
      {"Edit commands and Random leave the menu as it is",
       {Cmd(32789, kStart), Cmd(32790, kStart), Cmd(32791, kStart), Cmd(32792, kStart),
        Cmd(32793, kStart), Cmd(32794, kStart), Cmd(32795, kStart), Cmd(32796, kStart),
        Cmd(32797, kStart), Cmd(32802, kStart), Cmd(32799, kStart), Cmd(32798, kStart),
        Cmd(32801, kStart)}},
      {"Copy and commands that the menu does not hold change nothing",
       {Cmd(103, kStart), Cmd(0, kStart), Cmd(1, kStart), Cmd(104, kStart), Cmd(106, kStart),
        Cmd(32770, kStart), Cmd(32773, kStart), Cmd(32774, kStart), Cmd(32776, kStart),
        Cmd(32787, kStart), Cmd(32800, kStart), Cmd(32805, kStart), Cmd(32814, kStart),
        Cmd(40000, kStart), Cmd(65535, kStart)}},
  };
  return table;
}

}  // namespace

// The menu bar right after start-up, as the probe writes it out.
const char kMenuTree[] =
    "&File\n"
    "  E&xit [105]\n"
    "&Edit\n"
    "  Beginning\n"
    "    + 100 [32789]\n"
    "    +|-  0 [32790]\n"
    "    -  100 [32791]\n"
    "  Middle\n"
    "    + 100 [32792]\n"
    "    +|-  0 [32793]\n"
    "    -  100 [32794]\n"
    "  End\n"
    "    + 100 [32795]\n"
    "    +|-  0 [32796]\n"
    "    -  100 [32797]\n"
    "  ---\n"
    "  All\n"
    "    + 100 [32802]\n"
    "    +|-  0 [32799]\n"
    "    -  100 [32798]\n"
    "  ---\n"
    "  &Random [32801]\n"
    "&View\n"
    "  American [32782] (greyed)\n"
    "  European [32783]\n"
    "  ---\n"
    "  As Buyer [32803]\n"
    "  As Seller [32804] (greyed)\n"
    "&Insert\n"
    "  Classic [32775]\n"
    "  Emotive [32777]\n"
    "  Exhuberant [32778]\n"
    "  Flat [32784]\n"
    "  Chatty [32785]\n"
    "  Concise [32786]\n"
    "&Tools\n"
    "  Enable\n"
    "    Beginning [32806] (greyed)\n"
    "    Middle [32807] (greyed)\n"
    "    End [32808] (greyed)\n"
    "    ---\n"
    "    All [32809] (greyed)\n"
    "  Freeze\n"
    "    Beginning [32810]\n"
    "    Middle [32811]\n"
    "    End [32812]\n"
    "    ---\n"
    "    All [32813]\n"
    "&Help\n"
    "  Help [32771]\n"
    "  ---\n"
    "  About [32772]\n";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

KZE_SCENARIO(startup_state) {
  RunRow("the menu bar: captions, order, ids, separators and greying after start-up", [] {
    Program program;
    std::vector<std::string> got = Lines(program.MenuText());
    std::vector<std::string> want = Lines(kMenuTree);
    for (size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
      std::string g = i < got.size() ? got[i] : "(nothing)";
      std::string w = i < want.size() ? want[i] : "(nothing)";
      if (g != w) {
        Expect(false, Format("menu line %u is ", static_cast<unsigned>(i + 1)) + Quoted(g) +
                          ", want " + Quoted(w));
        break;
      }
    }
  });

  RunRow("all three section checkboxes are checked", [] {
    Program program;
    ExpectChecks(program, true, true, true);
  });
  RunRow("initial menu: American, As Seller, Enable's four greyed; no Insert item greyed", [] {
    Program program;
    ExpectMenu(program, kStart);
  });
  RunRow("five start-ups: three knobs of one style colour on rows 47..117", [] {
    for (int run = 0; run < 5; ++run) {
      Program program;
      Knobs knobs = SeeKnobs(program);
      for (int i = 0; i < 3; ++i) {
        int row = knobs.section[i].y + 4;
        Expect(row >= 47 && row <= 117 && knobs.section[i].style == knobs.section[0].style &&
                   knobs.section[i].style <= 5,
               Format("start-up %d: ", run + 1) + knobs.Show());
      }
      ExpectMenu(program, kStart, Format("start-up %d", run + 1));
    }
  });
  RunRow("the comment box and the length-mark box before any comment", [] {
    Program program;
    Expect(program.Text(101) == "Revavav Evovod", "comment box " + Quoted(program.Text(101)));
    Expect(program.Text(100) == "00", "length-mark box " + Quoted(program.Text(100)));
  });
}

KZE_SCENARIO(menu_rules) {
  for (const Scenario& scenario : MenuScenarios()) {
    RunRow(scenario.name, [&scenario] {
      Program program;
      for (size_t i = 0; i < scenario.steps.size(); ++i) {
        const Step& step = scenario.steps[i];
        std::string when = Format("step %u (%s %d)", static_cast<unsigned>(i + 1),
                                  step.via == Via::kCommand ? "command" : "checkbox", step.id);
        if (step.via == Via::kCommand) {
          program.Command(step.id);
        } else {
          program.Click(step.id);
        }
        ExpectMenu(program, step.greyed, when);
        ExpectChecks(program, step.checks & 1, step.checks & 2, step.checks & 4, when);
      }
      Expect(program.Running(), "the program has ended");
    });
  }
}

}  // namespace kze
