// Menu greying rules. A style, spelling or role item is greyed while it is
// the current choice; an Enable item while its section is enabled and the
// matching Freeze item while it is frozen; a section's Edit items while it
// is frozen; and the All, Random and Enable/Freeze > All items follow the
// section checkboxes.
#include "midend/menu_rules.h"

#include "resources/styles.h"
#include "resources/resource_ids.h"

namespace kz {
namespace {

enum class When { Always, FlagOn, FlagOff };

// The longest list: Freeze > All greys four Freeze items and nine Edit items.
constexpr int kRuleListSize = 13;

// Each id is touched at most once per rule, so the grey and enable lists
// can be applied in either order. Lists end at the first 0 or when full.
struct MenuRule {
  int commandId;
  When when;
  int grey[kRuleListSize];
  int enable[kRuleListSize];
};

// A section's three Edit items (top, middle, bottom) have consecutive ids.
static_assert(IDM_BEGINNING_MIDDLE == IDM_BEGINNING_TOP + 1 &&
                  IDM_BEGINNING_BOTTOM == IDM_BEGINNING_TOP + 2,
              "Beginning's Edit items are consecutive");
static_assert(IDM_MIDDLE_MIDDLE == IDM_MIDDLE_TOP + 1 && IDM_MIDDLE_BOTTOM == IDM_MIDDLE_TOP + 2,
              "Middle's Edit items are consecutive");
static_assert(IDM_END_MIDDLE == IDM_END_TOP + 1 && IDM_END_BOTTOM == IDM_END_TOP + 2,
              "End's Edit items are consecutive");
#define KZ_EDIT_ITEMS(first) first, first + 1, first + 2
#define KZ_ALL_EDIT_ITEMS \
  KZ_EDIT_ITEMS(IDM_BEGINNING_TOP), KZ_EDIT_ITEMS(IDM_MIDDLE_TOP), KZ_EDIT_ITEMS(IDM_END_TOP)

// A style item's rule (grey it, enable every other style) follows from the
// style table and is not listed here.
const MenuRule kMenuRules[] = {
    // Spelling and role rules are called with the choice that was not made.
    {IDM_AMERICAN, When::FlagOn, {IDM_EUROPEAN}, {IDM_AMERICAN}},
    {IDM_EUROPEAN, When::FlagOn, {IDM_AMERICAN}, {IDM_EUROPEAN}},
    {IDM_AS_BUYER, When::FlagOn, {IDM_AS_SELLER}, {IDM_AS_BUYER}},
    {IDM_AS_SELLER, When::FlagOn, {IDM_AS_BUYER}, {IDM_AS_SELLER}},
    {IDM_BEGINNING_TOP, When::FlagOn, {}, {KZ_EDIT_ITEMS(IDM_BEGINNING_TOP)}},
    {IDM_BEGINNING_TOP, When::FlagOff, {KZ_EDIT_ITEMS(IDM_BEGINNING_TOP)}, {}},
    {IDM_MIDDLE_TOP, When::FlagOn, {}, {KZ_EDIT_ITEMS(IDM_MIDDLE_TOP)}},
    {IDM_MIDDLE_TOP, When::FlagOff, {KZ_EDIT_ITEMS(IDM_MIDDLE_TOP)}, {}},
    {IDM_END_TOP, When::FlagOn, {}, {KZ_EDIT_ITEMS(IDM_END_TOP)}},
    {IDM_END_TOP, When::FlagOff, {KZ_EDIT_ITEMS(IDM_END_TOP)}, {}},
    {IDM_ENABLE_BEGINNING, When::Always, {IDM_ENABLE_BEGINNING}, {IDM_FREEZE_BEGINNING}},
    {IDM_ENABLE_MIDDLE, When::Always, {IDM_ENABLE_MIDDLE}, {IDM_FREEZE_MIDDLE}},
    {IDM_ENABLE_END, When::Always, {IDM_ENABLE_END}, {IDM_FREEZE_END}},
    {IDM_ENABLE_ALL, When::Always,
     {IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END, IDM_ENABLE_ALL},
     {IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END, IDM_FREEZE_ALL, KZ_ALL_EDIT_ITEMS}},
    {IDM_FREEZE_BEGINNING, When::Always, {IDM_FREEZE_BEGINNING}, {IDM_ENABLE_BEGINNING}},
    {IDM_FREEZE_MIDDLE, When::Always, {IDM_FREEZE_MIDDLE}, {IDM_ENABLE_MIDDLE}},
    {IDM_FREEZE_END, When::Always, {IDM_FREEZE_END}, {IDM_ENABLE_END}},
    {IDM_FREEZE_ALL, When::Always,
     {IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END, IDM_FREEZE_ALL, KZ_ALL_EDIT_ITEMS},
     {IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END, IDM_ENABLE_ALL}},
};

#undef KZ_ALL_EDIT_ITEMS
#undef KZ_EDIT_ITEMS

bool Applies(When when, bool flag) {
  return when == When::Always || (when == When::FlagOn) == flag;
}

void AddAll(MenuChanges& changes, const int* ids, bool greyed) {
  for (int i = 0; i < kRuleListSize && ids[i] != 0; ++i) changes.Add(ids[i], greyed);
}

// The checkbox rules: the All and Random items, Enable > All, Freeze > All.
const int kFollowAnyChecked[] = {IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM};
constexpr int kCheckboxChanges = sizeof kFollowAnyChecked / sizeof kFollowAnyChecked[0] + 2;

// The longest run (a rule's two full lists, or the styles, then the
// checkbox rules) fits the change list.
static_assert(2 * kRuleListSize + kCheckboxChanges <= MenuChanges::kCapacity,
              "a rule's lists and the checkbox rules fit");
static_assert(kStyleCount + kCheckboxChanges <= MenuChanges::kCapacity,
              "the style items and the checkbox rules fit");

}  // namespace

const int kInitiallyGreyed[kInitiallyGreyedCount] = {IDM_AMERICAN,         IDM_AS_SELLER,
                                                     IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE,
                                                     IDM_ENABLE_END,       IDM_ENABLE_ALL};

MenuChanges MenuRuleChanges(int commandId, bool flag, const bool sectionChecked[3]) {
  MenuChanges changes;
  if (StyleOfCommand(commandId) >= 0) {
    for (const StyleRow& style : kStyleTable) {
      changes.Add(style.commandId, style.commandId == commandId);
    }
  }
  for (const MenuRule& rule : kMenuRules) {
    if (rule.commandId == commandId && Applies(rule.when, flag)) {
      AddAll(changes, rule.grey, true);
      AddAll(changes, rule.enable, false);
    }
  }
  const bool any = sectionChecked[0] || sectionChecked[1] || sectionChecked[2];
  const bool all = sectionChecked[0] && sectionChecked[1] && sectionChecked[2];
  for (int id : kFollowAnyChecked) changes.Add(id, !any);
  changes.Add(IDM_ENABLE_ALL, all);
  changes.Add(IDM_FREEZE_ALL, !any);
  return changes;
}

}  // namespace kz
