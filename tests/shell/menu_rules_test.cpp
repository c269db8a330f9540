// The menu greying rules, driven through the command table the way the
// window drives them, on a model of the menu.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "resources/resource_ids.h"
#include "midend/command_table.h"
#include "midend/menu_rules.h"

namespace kz {
namespace {

const int kAllItems[] = {
    IDM_EXIT, IDM_BEGINNING_TOP, IDM_BEGINNING_MIDDLE, IDM_BEGINNING_BOTTOM, IDM_MIDDLE_TOP,
    IDM_MIDDLE_MIDDLE, IDM_MIDDLE_BOTTOM, IDM_END_TOP, IDM_END_MIDDLE, IDM_END_BOTTOM,
    IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM, IDM_AMERICAN, IDM_EUROPEAN,
    IDM_AS_BUYER, IDM_AS_SELLER, IDM_CLASSIC, IDM_EMOTIVE, IDM_EXHUBERANT, IDM_FLAT, IDM_CHATTY,
    IDM_CONCISE, IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END, IDM_ENABLE_ALL,
    IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END, IDM_FREEZE_ALL, IDM_HELP, IDM_ABOUT};

// The menu and the three checkboxes, as the window holds them after start-up.
struct MenuModel {
  std::map<int, bool> greyed;
  bool checked[3] = {true, true, true};

  MenuModel() {
    for (int id : kAllItems) greyed[id] = false;
    for (int id : kInitiallyGreyed) greyed[id] = true;
  }

  void RunRules(const CommandEntry& entry) {
    for (const RuleCall& call : entry.rules) {
      if (call.id == 0) continue;
      const MenuChanges changes = MenuRuleChanges(call.id, call.on, checked);
      for (int i = 0; i < changes.count; ++i) greyed[changes.items[i].id] = changes.items[i].greyed;
    }
  }

  void SetState(int code) {
    if (code >= 0 && code <= 2) checked[code] = true;
    if (code == 3) checked[0] = checked[1] = checked[2] = true;
    if (code >= 4 && code <= 6) checked[code - 4] = false;
    if (code == 7) checked[0] = checked[1] = checked[2] = false;
  }

  void Command(int id) {
    const CommandEntry* entry = FindCommand(id);
    ASSERT_NE(entry, nullptr) << id;
    if (entry->action == CommandAction::SectionState) SetState(entry->argument);
    if (entry->action == CommandAction::SectionBox) {
      const int s = entry->argument;
      checked[s] = !checked[s];  // the automatic checkbox toggles itself first
      const CommandEntry box = SectionBoxCommand(s, checked[s]);
      SetState(box.argument);
      RunRules(box);
      return;
    }
    RunRules(*entry);
  }

  std::vector<int> Greyed() const {
    std::vector<int> ids;
    for (const auto& [id, g] : greyed) {
      if (g) ids.push_back(id);
    }
    return ids;
  }
};

MenuModel After(std::initializer_list<int> commands) {
  MenuModel m;
  for (int id : commands) m.Command(id);
  return m;
}

const std::vector<int> kEditCommands = {
    IDM_BEGINNING_TOP, IDM_BEGINNING_MIDDLE, IDM_BEGINNING_BOTTOM, IDM_MIDDLE_TOP,
    IDM_MIDDLE_MIDDLE, IDM_MIDDLE_BOTTOM, IDM_END_TOP, IDM_END_MIDDLE, IDM_END_BOTTOM,
    IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM};

TEST(MenuRules, FreezeAllGreysEveryEditCommandAndSwapsToolsItems) {
  MenuModel m = After({IDM_FREEZE_ALL});
  for (int id : kEditCommands) EXPECT_TRUE(m.greyed[id]) << id;
  for (int id : {IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END, IDM_ENABLE_ALL})
    EXPECT_FALSE(m.greyed[id]) << id;
  for (int id : {IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END, IDM_FREEZE_ALL})
    EXPECT_TRUE(m.greyed[id]) << id;

  // Enable > All undoes it completely.
  m.Command(IDM_ENABLE_ALL);
  EXPECT_EQ(m.Greyed(), MenuModel().Greyed());
}

TEST(MenuRules, FreezingTheLastSectionLooksLikeFreezeAll) {
  const std::vector<int> freezeAll = After({IDM_FREEZE_ALL}).Greyed();
  EXPECT_EQ(After({IDC_BEGINNING_BOX, IDC_MIDDLE_BOX, IDC_END_BOX}).Greyed(), freezeAll);
  EXPECT_EQ(After({IDM_FREEZE_END, IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE}).Greyed(), freezeAll);
  EXPECT_EQ(After({IDM_FREEZE_MIDDLE, IDC_END_BOX, IDM_FREEZE_BEGINNING}).Greyed(), freezeAll);
}

TEST(MenuRules, EnableAllIsGreyedOnlyWhileAllThreeAreEnabled) {
  struct Case {
    std::initializer_list<int> commands;
    bool enableAllGreyed;
  } cases[] = {
      {{IDM_FREEZE_ALL, IDM_ENABLE_BEGINNING}, false},
      {{IDM_FREEZE_ALL, IDM_ENABLE_BEGINNING, IDM_ENABLE_END}, false},
      {{IDM_FREEZE_ALL, IDM_ENABLE_BEGINNING, IDM_ENABLE_END, IDM_ENABLE_MIDDLE}, true},
      {{IDM_FREEZE_ALL, IDC_MIDDLE_BOX, IDC_BEGINNING_BOX}, false},
      {{IDM_FREEZE_ALL, IDC_MIDDLE_BOX, IDC_BEGINNING_BOX, IDC_END_BOX}, true},
      {{IDC_END_BOX, IDC_END_BOX}, true},
  };
  for (const Case& c : cases) {
    MenuModel m;
    for (int id : c.commands) m.Command(id);
    EXPECT_EQ(m.greyed[IDM_ENABLE_ALL], c.enableAllGreyed);
  }
}

// One section enabled or frozen, by menu or checkbox, from every start.
TEST(MenuRules, SectionStateTable) {
  struct Section {
    int enable, freeze, box, editTop;
  } sections[] = {
      {IDM_ENABLE_BEGINNING, IDM_FREEZE_BEGINNING, IDC_BEGINNING_BOX, IDM_BEGINNING_TOP},
      {IDM_ENABLE_MIDDLE, IDM_FREEZE_MIDDLE, IDC_MIDDLE_BOX, IDM_MIDDLE_TOP},
      {IDM_ENABLE_END, IDM_FREEZE_END, IDC_END_BOX, IDM_END_TOP},
  };
  for (int s = 0; s < 3; ++s) {
    const Section& k = sections[s];
    for (bool byBox : {false, true}) {
      // Frozen, from all enabled: only this section frozen.
      MenuModel m = After({byBox ? k.box : k.freeze});
      EXPECT_FALSE(m.greyed[k.enable]);
      EXPECT_TRUE(m.greyed[k.freeze]);
      for (int i = 0; i < 3; ++i) EXPECT_TRUE(m.greyed[k.editTop + i]);
      EXPECT_FALSE(m.greyed[IDM_ENABLE_ALL]);
      EXPECT_FALSE(m.greyed[IDM_FREEZE_ALL]);
      EXPECT_FALSE(m.greyed[IDM_RANDOM]);
      // Enabled again, from all frozen: only this section enabled.
      MenuModel n = After({IDM_FREEZE_ALL, byBox ? k.box : k.enable});
      EXPECT_TRUE(n.greyed[k.enable]);
      EXPECT_FALSE(n.greyed[k.freeze]);
      for (int i = 0; i < 3; ++i) EXPECT_FALSE(n.greyed[k.editTop + i]);
      EXPECT_FALSE(n.greyed[IDM_ENABLE_ALL]);
      EXPECT_FALSE(n.greyed[IDM_FREEZE_ALL]);
      for (int id : {IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM})
        EXPECT_FALSE(n.greyed[id]);
    }
  }
}

TEST(MenuRules, TheCurrentChoiceIsGreyed) {
  const int styles[] = {IDM_CLASSIC, IDM_EMOTIVE, IDM_EXHUBERANT,
                        IDM_FLAT,    IDM_CHATTY,  IDM_CONCISE};
  MenuModel m;
  for (int style : styles) EXPECT_FALSE(m.greyed[style]);  // none at start-up
  for (int chosen : styles) {
    m.Command(chosen);
    for (int style : styles) EXPECT_EQ(m.greyed[style], style == chosen);
  }
  struct Case {
    std::initializer_list<int> commands;
    bool americanGreyed, buyerGreyed;
  } cases[] = {
      {{}, true, false},
      {{IDM_EUROPEAN}, false, false},
      {{IDM_EUROPEAN, IDM_AMERICAN}, true, false},
      {{IDM_AMERICAN, IDM_AMERICAN}, true, false},
      {{IDM_AS_BUYER}, true, true},
      {{IDM_AS_BUYER, IDM_AS_SELLER}, true, false},
  };
  for (const Case& c : cases) {
    MenuModel n = After(c.commands);
    EXPECT_EQ(n.greyed[IDM_AMERICAN], c.americanGreyed);
    EXPECT_NE(n.greyed[IDM_EUROPEAN], c.americanGreyed);
    EXPECT_EQ(n.greyed[IDM_AS_BUYER], c.buyerGreyed);
    EXPECT_NE(n.greyed[IDM_AS_SELLER], c.buyerGreyed);
  }
}

TEST(MenuRules, CommandsThatChangeNoSettingLeaveTheMenuAlone) {
  const MenuModel start;
  for (int id : {IDC_GENERATE, IDC_COPY, IDM_HELP, IDM_ABOUT, IDM_RANDOM, IDM_ALL_TOP,
                 IDM_MIDDLE_BOTTOM}) {
    EXPECT_EQ(After({id}).Greyed(), start.Greyed()) << id;
  }
  EXPECT_EQ(FindCommand(IDC_COMMENT), nullptr);
  EXPECT_EQ(FindCommand(12345), nullptr);
}

}  // namespace
}  // namespace kz
