// The mid end: knobs after pointer input and steps; every menu item against
// its caption; the greying in every reachable state against the rules the
// menu has always followed; the flash; what a screen reader is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "compose/stored_strings.h"
#include "midend/command_table.h"
#include "tests/midend/recording_front_end.h"

namespace kz {
namespace {

using A = CommandAction;

const StoredStrings strings;
NullSurface surface;

struct Host {
  RecordingFrontEnd frontEnd;
  std::unique_ptr<KudomatZub> app = std::make_unique<KudomatZub>(strings, surface, frontEnd);
  Host() { app->Start(); }
};

TEST(KudomatZub, PointerAndStepsMoveTheKnobsTheyShould) {
  const struct {
    const char* what;
    // p press (x, y), m move (y), r release, s step (section, rows), f freeze the Middle
    std::vector<std::array<int, 3>> inputs;
    int rows[kSectionCount];  // knob centre rows afterwards, from all at the top
  } cases[] = {
      {"a drag follows the pointer", {{'p', 210, 50}, {'m', 90}}, {47, 90, 47}},
      {"a release anywhere ends the drag", {{'p', 210, 50}, {'r'}, {'m', 90}}, {47, 47, 47}},
      {"a drag past the track keeps the last row", {{'p', 410, 50}, {'m', 100}, {'m', 130}}, {47, 47, 100}},
      {"a press beside every knob takes none", {{'p', 300, 50}, {'m', 90}}, {47, 47, 47}},
      {"steps move down and up", {{'s', 0, -30}, {'s', 0, 10}}, {67, 47, 47}},
      {"steps stop at either end", {{'s', 1, -100}, {'s', 2, 5}}, {47, 118, 47}},
      {"a frozen section's knob neither steps nor drags", {{'f'}, {'s', 1, -10}, {'p', 210, 50}, {'m', 90}}, {47, 47, 47}},
  };
  for (const auto& c : cases) {
    Host h;
    h.app->Command(IDM_ALL_TOP);
    for (const auto& [kind, a, b] : c.inputs) {
      if (kind == 'p') h.app->PointerPress(a, b);
      if (kind == 'm') h.app->PointerMove(a);
      if (kind == 'r') h.app->PointerRelease();
      if (kind == 's') h.app->StepKnob(a, b);
      if (kind == 'f') h.app->Command(IDM_FREEZE_MIDDLE);
    }
    for (int s = 0; s < kSectionCount; ++s) EXPECT_EQ(h.app->Knob(s).row, c.rows[s]) << c.what << ", section " << s;
  }
}

// Each menu item in its menu, as the menu bar is built from the list.
struct MenuItem {
  std::string menu, caption;
  int id;
};
const std::vector<MenuItem>& MenuItems() {
  static const std::vector<MenuItem> items = [] {
    std::vector<MenuItem> list;
    std::vector<std::string> menus;
#define KZ_MENU(caption) menus.push_back(caption);
#define KZ_END_MENU menus.pop_back();
#define KZ_ITEM(name, id, caption, key, keyLetter, action, argument, row, greyedWhen) list.push_back({menus.back(), caption, id});
#define KZ_STYLE(command, id, name, knobColumn, nameColumn, nameWidth, red, green, blue) list.push_back({menus.back(), name, id});
#include "resources/commands.def"
    return list;
  }();
  return items;
}

TEST(CommandTable, EachItemDoesWhatItsCaptionSays) {
  auto indexOf = [](const std::string& name, std::vector<std::string> names) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
  };
  const std::map<std::string, A> others = {{"E&xit", A::Exit}, {"&Random", A::MoveRandom}, {"Help", A::Dialog}, {"About", A::Dialog}};
  for (const MenuItem& item : MenuItems()) {
    const CommandEntry* e = FindCommand(item.id);
    ASSERT_NE(e, nullptr) << item.caption;
    const std::string& menu = item.menu;
    const int section = indexOf(menu, {"Beginning", "Middle", "End", "All"});
    const int row = indexOf(item.caption, {"+ 100", "+|-  0", "-  100"}), rows[3] = {47, 82, 118};
    const int view = indexOf(item.caption, {"European", "American", "As Buyer", "As Seller"});
    const int tools = indexOf(menu, {"Enable", "Freeze"});
    const int part = indexOf(item.caption, {"Beginning", "Middle", "End", "All"});
    const int style = indexOf(item.caption, {"Classic", "Emotive", "Exhuberant", "Flat", "Chatty", "Concise"});
    const CommandEntry want =
        row >= 0     ? CommandEntry{0, section == 3 ? A::MoveEnabled : A::MoveKnob, section % 3, rows[row], {}, ""}
        : view >= 0  ? CommandEntry{0, view < 2 ? A::Spelling : A::Role, view % 2, 0, {}, ""}
        : tools >= 0 ? CommandEntry{0, tools ? A::Freeze : A::Enable, part, 0, {}, ""}
        : style >= 0 ? CommandEntry{0, A::Style, style, 0, {}, ""}
                     : CommandEntry{0, others.at(item.caption), e->argument, 0, {}, ""};
    EXPECT_TRUE(e->action == want.action && e->argument == want.argument && e->row == want.row)
        << menu << " > " << item.caption;
    EXPECT_STREQ(e->caption, item.caption.c_str());
  }
  EXPECT_EQ(MenuItems().size(), 34u);
}

// The menu's greying as it has always been kept: each command greys and
// enables its own items, and then the All items follow the checkboxes.
struct ReplayedMenu {
  std::map<int, bool> greyed;
  bool enabled[kSectionCount] = {true, true, true};

  static constexpr int kEnable[] = {IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END};
  static constexpr int kFreeze[] = {IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END};
  static constexpr int kEditTop[] = {IDM_BEGINNING_TOP, IDM_MIDDLE_TOP, IDM_END_TOP};

  ReplayedMenu() {
    for (const MenuItem& item : MenuItems()) greyed[item.id] = false;
    for (int id : {IDM_AMERICAN, IDM_AS_SELLER, IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END, IDM_ENABLE_ALL}) greyed[id] = true;
  }
  void Section(int s, bool on) {
    enabled[s] = on;
    greyed[kEnable[s]] = on, greyed[kFreeze[s]] = !on;
    for (int k = 0; k < 3; ++k) greyed[kEditTop[s] + k] = !on;
  }
  void Run(int id) {
    for (const StyleRow& style : kStyleTable) {
      if (id == style.commandId) {
        for (const StyleRow& other : kStyleTable) greyed[other.commandId] = other.commandId == id;
      }
    }
    for (auto [chosen, other] : {std::pair{IDM_AMERICAN, IDM_EUROPEAN}, {IDM_EUROPEAN, IDM_AMERICAN}, {IDM_AS_BUYER, IDM_AS_SELLER}, {IDM_AS_SELLER, IDM_AS_BUYER}}) {
      if (id == chosen) greyed[chosen] = true, greyed[other] = false;
    }
    for (int s = 0; s < kSectionCount; ++s) {
      if (id == kEnable[s] || id == IDM_ENABLE_ALL) Section(s, true);
      if (id == kFreeze[s] || id == IDM_FREEZE_ALL) Section(s, false);
      if (id == kSectionCheckboxes[s]) Section(s, !enabled[s]);
    }
    const bool any = enabled[0] || enabled[1] || enabled[2], all = enabled[0] && enabled[1] && enabled[2];
    greyed[IDM_ENABLE_ALL] = all;
    for (int item : {IDM_FREEZE_ALL, IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM}) greyed[item] = !any;
  }
};

// Every state the commands reach from start-up, each command tried from
// each: the greying, the checkboxes and the choices in force.
TEST(MenuState, AgreesWithTheReplayedRulesInEveryReachableState) {
  Host h;
  struct Node {
    ReplayedMenu menu;
    KudomatZub::State state;
    RecordingFrontEnd shown;
  };
  std::vector<int> commands;
  for (const CommandEntry& e : kCommands) {
    if (e.action != A::Dialog && e.action != A::Exit && e.action != A::Generate) commands.push_back(e.id);
  }
  std::vector<Node> queue = {{ReplayedMenu(), h.app->Save(), h.frontEnd}};
  std::set<std::string> seen;
  for (std::size_t next = 0; next < queue.size(); ++next) {
    for (int id : commands) {
      Node node = queue[next];
      if (node.menu.greyed.count(id) && node.menu.greyed[id]) continue;  // a greyed item sends nothing
      h.app->Restore(node.state);
      h.frontEnd = node.shown;
      h.app->Command(id);
      node.menu.Run(id);
      const Panel& p = h.app->Save().session.panel;
      ASSERT_EQ(h.frontEnd.greyed, node.menu.greyed) << "after " << id << " from state " << next;
      std::string key;
      for (int s = 0; s < kSectionCount; ++s) {
        ASSERT_EQ(h.frontEnd.checked[s], node.menu.enabled[s]);
        ASSERT_EQ(p.sliders[s].enabled, node.menu.enabled[s]);
      }
      const int choices[] = {p.sliders[0].style, p.spelling, p.role};
      for (const CommandEntry& e : kCommands) {
        if (IsMenuItem(e) && h.frontEnd.inForce[e.id] >= 0) {
          const int c = choices[e.action == A::Style ? 0 : e.action == A::Spelling ? 1 : 2];
          ASSERT_EQ(h.frontEnd.inForce[e.id], c == e.argument) << e.caption;
        }
      }
      for (const auto& [item, greyed] : node.menu.greyed) key += greyed ? '1' : '0';
      key += std::to_string(choices[0] * 4 + choices[1] * 2 + choices[2]);
      if (!seen.insert(key).second) continue;
      node.state = h.app->Save();
      node.shown = h.frontEnd;
      queue.push_back(node);
    }
  }
  EXPECT_GT(queue.size(), 200u);
}

TEST(KudomatZub, ZubFlashesSixStepsThenComposesAndCopies) {
  Host h;
  const std::string before = h.frontEnd.comment;
  h.app->Command(IDC_GENERATE);
  for (int step = 0; step < 6; ++step) {
    ASSERT_EQ(h.app->FlashDelay(), 80);
    EXPECT_EQ(h.frontEnd.comment, before) << "composed before step " << step;
    h.app->Tick();
  }
  EXPECT_EQ(h.app->FlashDelay(), -1);
  EXPECT_NE(h.frontEnd.comment, before);
  EXPECT_EQ(h.frontEnd.clipboard, h.frontEnd.comment);

  // Other input during a flash completes it first.
  h.app->Command(IDC_GENERATE);
  h.app->Tick();
  h.app->Command(IDM_EUROPEAN);
  EXPECT_EQ(h.app->FlashDelay(), -1);
  EXPECT_EQ(h.frontEnd.clipboard, h.frontEnd.comment);
}

TEST(KudomatZub, SaysTheKnobsAndChoicesAsTheSlidersDo) {
  Host h;
  const struct {
    int command, stepRows;
    const char* text;
  } cases[] = {
      {IDM_BEGINNING_TOP, 0, "+ 100"},   {IDM_BEGINNING_TOP, -1, "+ 97"},
      {IDM_BEGINNING_MIDDLE, 0, "+|-  0"}, {IDM_BEGINNING_MIDDLE, -1, "-  3"},
      {IDM_BEGINNING_BOTTOM, 8, "-  78"},  {IDM_BEGINNING_BOTTOM, 4, "-  89, left out"},
      {IDM_BEGINNING_BOTTOM, 0, "-  100, left out"},
  };
  for (const auto& c : cases) {
    h.app->Command(c.command);
    h.app->StepKnob(0, c.stepRows);
    EXPECT_STREQ(h.app->KnobValueText(0).text, c.text);
  }
  EXPECT_STREQ(KudomatZub::SectionName(1), "Middle");
  for (int id : {IDM_FLAT, IDM_EUROPEAN, IDM_AS_BUYER}) h.app->Command(id);
  EXPECT_STREQ(h.app->Choices().text, "European, As Buyer, Flat");
}

TEST(KudomatZub, AnnouncesWhatChanged) {
  using C = Change;
  Host h;
  h.app->Command(IDM_ALL_MIDDLE);
  const struct {
    std::vector<int> inputs;  // commands; -1 - k focuses knob k
    std::vector<std::pair<Change, int>> announced;
  } cases[] = {
      {{IDM_ALL_MIDDLE}, {}},
      {{IDM_BEGINNING_TOP}, {{C::KnobValue, 0}}},
      {{IDM_FREEZE_MIDDLE, IDM_ALL_BOTTOM}, {{C::SectionState, 1}, {C::KnobValue, 0}, {C::KnobValue, 2}}},
      {{IDC_MIDDLE_BOX, IDM_EUROPEAN}, {{C::SectionState, 1}, {C::Choices, -1}}},
      {{-2, -1, -1}, {{C::KnobFocus, 1}, {C::KnobFocus, 0}}},
  };
  for (const auto& c : cases) {
    h.frontEnd.announced.clear();
    for (int input : c.inputs) input < 0 ? h.app->FocusKnob(-1 - input) : void(h.app->Command(input));
    EXPECT_EQ(h.frontEnd.announced, c.announced) << c.inputs[0];
  }
}

}  // namespace
}  // namespace kz
