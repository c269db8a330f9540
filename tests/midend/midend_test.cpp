// The mid end: knobs after pointer input and steps; the command table
// against the menu's captions, and pinned; and the greyed menu items against
// the choices in force, as a person reads them off the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "compose/stored_strings.h"
#include "midend/command_table.h"
#include "resources/resource_ids.h"
#include "tests/midend/recording_front_end.h"

namespace kz {
namespace {

using A = CommandAction;

const StoredStrings strings;
NullSurface surface;

TEST(KudomatZub, PointerAndStepsMoveTheKnobsTheyShould) {
  const struct {
    const char* what;
    // p press, m move (x, y); r release; s step (section, rows); f freeze the Middle
    std::vector<std::array<int, 3>> inputs;
    int rows[kSectionCount];  // knob centre rows afterwards, from all at the top
  } cases[] = {
      {"a drag follows the pointer", {{'p', 210, 50}, {'m', 0, 90}}, {47, 90, 47}},
      {"a release anywhere ends the drag", {{'p', 210, 50}, {'r'}, {'m', 210, 90}}, {47, 47, 47}},
      {"a drag past the track keeps the last row", {{'p', 410, 50}, {'m', 0, 100}, {'m', 0, 130}}, {47, 47, 100}},
      {"a press beside every knob takes none", {{'p', 300, 50}, {'m', 0, 90}}, {47, 47, 47}},
      {"steps move down and up", {{'s', 0, -30}, {'s', 0, 10}}, {67, 47, 47}},
      {"steps stop at either end", {{'s', 1, -100}, {'s', 2, 5}}, {47, 118, 47}},
      {"a frozen section's knob neither steps nor drags",
       {{'f'}, {'s', 1, -10}, {'p', 210, 50}, {'m', 0, 90}}, {47, 47, 47}},
  };
  for (const auto& c : cases) {
    RecordingFrontEnd frontEnd;
    auto app = std::make_unique<KudomatZub>(strings, surface, frontEnd);
    app->Start();
    app->Command(IDM_ALL_TOP);
    for (const auto& [kind, a, b] : c.inputs) {
      if (kind == 'p') app->PointerPress(a, b);
      if (kind == 'm') app->PointerMove(a, b);
      if (kind == 'r') app->PointerRelease();
      if (kind == 's') app->StepKnob(a, b);
      if (kind == 'f') app->Command(IDM_FREEZE_MIDDLE);
    }
    for (int s = 0; s < kSectionCount; ++s) {
      EXPECT_EQ(KnobRow(app->panel().sliders[s].y), c.rows[s]) << c.what << ", section " << s;
    }
  }
}

TEST(CommandTable, EachItemDoesWhatItsCaptionSays) {
  std::map<std::string, int> ids;
  std::ifstream header(KZ_SOURCE_DIR "/resources/resource_ids.h"), script(KZ_SOURCE_DIR "/resources/KudomatZub.rc");
  const std::regex define(R"(#define (\w+) (\d+))"), item(R"re(MENUITEM "([^"]+)", (\w+))re"),
      popup(R"re(POPUP "([^"]+)")re");
  std::smatch m;
  for (std::string line; std::getline(header, line);) {
    if (std::regex_search(line, m, define)) ids[m[1]] = std::stoi(m[2]);
  }
  auto indexOf = [](const std::string& name, std::vector<std::string> names) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
  };
  const std::map<std::string, A> others = {
      {"E&xit", A::Exit}, {"&Random", A::MoveRandom}, {"Help", A::Dialog}, {"About", A::Dialog}};
  std::string menu;
  int items = 0;
  for (std::string line; std::getline(script, line);) {
    if (std::regex_search(line, m, popup)) menu = m[1];
    if (!std::regex_search(line, m, item)) continue;
    const std::string caption = m[1];
    const CommandEntry* e = FindCommand(ids[m[2]]);
    ASSERT_NE(e, nullptr) << caption;
    const int section = indexOf(menu, {"Beginning", "Middle", "End", "All"});
    const int row = indexOf(caption, {"+ 100", "+|-  0", "-  100"}), rows[3] = {47, 82, 118};
    const int view = indexOf(caption, {"European", "American", "As Buyer", "As Seller"});
    const int tools = indexOf(menu, {"Enable", "Freeze"});
    const int part = indexOf(caption, {"Beginning", "Middle", "End", "All"});
    const CommandEntry want =
        row >= 0     ? CommandEntry{0, section == 3 ? A::MoveEnabled : A::MoveKnob, section % 3, rows[row], {}}
        : view >= 0  ? CommandEntry{0, view < 2 ? A::Spelling : A::Role, view % 2, 0, {}}
        : tools >= 0 ? CommandEntry{0, A::SectionState, 4 * tools + part, 0, {}}
                     : CommandEntry{0, others.at(caption), e->argument, 0, {}};
    EXPECT_TRUE(e->action == want.action && e->argument == want.argument && e->row == want.row)
        << menu << " > " << caption;
    ++items;
  }
  EXPECT_EQ(items, 28);  // the six Insert items come from the style list, as their commands do
}

// Every entry of the command table (buttons, checkboxes and the Insert
// items too) and every row of the style table, value by value: a changed
// value changes its digest (FNV-1a steps over the values).
TEST(CommandTable, EveryEntryAndStyleRowIsPinned) {
  std::uint64_t commands = 14695981039346656037u, styles = commands;
  auto add = [](std::uint64_t* digest, long long value) { *digest = (*digest ^ static_cast<std::uint64_t>(value)) * 1099511628211u; };
  auto addEntry = [&](const CommandEntry& e) {
    for (long long v : {e.id, static_cast<int>(e.action), e.argument, e.row, e.rules[0].id,
                        static_cast<int>(e.rules[0].on), e.rules[1].id, static_cast<int>(e.rules[1].on)}) {
      add(&commands, v);
    }
  };
  for (int id = 0; id < 0x10000; ++id) if (FindCommand(id)) addEntry(*FindCommand(id));
  for (int s = 0; s < kSectionCount; ++s) addEntry(SectionBoxCommand(s, false)), addEntry(SectionBoxCommand(s, true));
#define KZ_STYLE(command, name, knobColumn, nameColumn, nameWidth, red, green, blue)      \
  for (long long v : {command, knobColumn, nameColumn, nameWidth, red, green, blue}) add(&styles, v); \
  for (const char* c = name; *c; ++c) add(&styles, *c);
#include "resources/styles.def"
#undef KZ_STYLE
  EXPECT_EQ(commands, 9586632065498120123u) << "the command table changed: check it, then pin the new digest";
  EXPECT_EQ(styles, 7591303649026883035u) << "the style table changed: check it, then pin the new digest";
}

const int kStyles[] = {IDM_CLASSIC, IDM_EMOTIVE, IDM_EXHUBERANT, IDM_FLAT, IDM_CHATTY, IDM_CONCISE};
const int kEnable[] = {IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END, IDM_ENABLE_ALL};
const int kFreeze[] = {IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END, IDM_FREEZE_ALL};
const int kEditTop[] = {IDM_BEGINNING_TOP, IDM_MIDDLE_TOP, IDM_END_TOP};

// The settings a person reads off the window.
struct Settings {
  int style = -1;  // none chosen yet
  bool american = true, seller = true;
  bool enabled[3] = {true, true, true};

  void Apply(int id) {
    for (int s = 0; s < 6; ++s) style = id == kStyles[s] ? s : style;
    if (id == IDM_AMERICAN || id == IDM_EUROPEAN) american = id == IDM_AMERICAN;
    if (id == IDM_AS_BUYER || id == IDM_AS_SELLER) seller = id == IDM_AS_SELLER;
    for (int s = 0; s < 3; ++s) {
      if (id == kEnable[s] || id == kEnable[3]) enabled[s] = true;
      if (id == kFreeze[s] || id == kFreeze[3]) enabled[s] = false;
      if (id == kSectionCheckboxes[s]) enabled[s] = !enabled[s];
    }
  }
  std::map<int, bool> Greyed() const {
    const bool any = enabled[0] || enabled[1] || enabled[2];
    std::map<int, bool> g = {{IDM_AMERICAN, american}, {IDM_EUROPEAN, !american}, {IDM_AS_SELLER, seller},
                             {IDM_AS_BUYER, !seller},  {IDM_EXIT, false},        {IDM_HELP, false},
                             {IDM_ABOUT, false},       {IDM_ENABLE_ALL, enabled[0] && enabled[1] && enabled[2]}};
    for (int s = 0; s < 6; ++s) g[kStyles[s]] = style == s;
    for (int s = 0; s < 3; ++s) {
      g[kEnable[s]] = enabled[s], g[kFreeze[s]] = !enabled[s];
      for (int k = 0; k < 3; ++k) g[kEditTop[s] + k] = !enabled[s];
    }
    for (int id : {IDM_FREEZE_ALL, IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM}) g[id] = !any;
    return g;
  }
};

TEST(MenuRules, TheGreyedItemsAndThePanelAreTheChoicesInForce) {
  std::vector<int> commands(std::begin(kSectionCheckboxes), std::end(kSectionCheckboxes));
  for (int id = 0; id < 0x10000; ++id) {
    if (FindCommand(id) && FindCommand(id)->action != A::Dialog) commands.push_back(id);
  }
  std::mt19937 dice(9);
  for (int run = 0; run < 30; ++run) {
    Settings settings;
    RecordingFrontEnd frontEnd;
    for (const auto& [id, greyed] : settings.Greyed()) frontEnd.greyed[id] = false;
    auto app = std::make_unique<KudomatZub>(strings, surface, frontEnd);
    app->Start();
    EXPECT_EQ(frontEnd.greyed, settings.Greyed()) << "after start-up";
    std::string path;
    for (int step = 0; step < 60; ++step) {
      const int id = commands[dice() % commands.size()];
      if (frontEnd.greyed.count(id) && frontEnd.greyed[id]) continue;  // a greyed item sends nothing
      path += " " + std::to_string(id);
      settings.Apply(id);
      const int box = id - kSectionCheckboxes[0];  // a checkbox toggles itself first
      if (0 <= box && box < 3) frontEnd.checked[box] = !frontEnd.checked[box];
      const Panel before = app->panel();
      app->Command(id);
      ASSERT_EQ(frontEnd.greyed, settings.Greyed()) << "after" << path;
      // The panel holds the same choices; a frozen section's knob never moves.
      const Panel& p = app->panel();
      ASSERT_TRUE(p.spelling == settings.american && p.role == settings.seller &&
                  (settings.style < 0 || p.sliders[0].style == settings.style)) << path;
      for (int s = 0; s < 3; ++s) {
        ASSERT_EQ(p.sliders[s].enabled, settings.enabled[s]) << path;
        if (!before.sliders[s].enabled) {
          ASSERT_EQ(p.sliders[s].y, before.sliders[s].y) << path;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kz
