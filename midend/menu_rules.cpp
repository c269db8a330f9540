// Menu greying rules. A style, spelling or role item is greyed while it is
// the current choice; an Enable item while its section is enabled and the
// matching Freeze item while it is frozen; a section's Edit items while it
// is frozen; and the All, Random and Enable/Freeze > All items follow the
// section checkboxes.
#include "midend/menu_rules.h"

#include <initializer_list>

#include "resources/resource_ids.h"

namespace kz {
namespace {

enum class When { Always, FlagOn, FlagOff };

// Each id is touched at most once per rule, so the grey and enable lists
// can be applied in either order. Lists end at the first 0.
struct MenuRule {
  int commandId;
  When when;
  int grey[13];
  int enable[13];
};

#define KZ_EDIT_ITEMS(first) first, first + 1, first + 2
#define KZ_ALL_EDIT_ITEMS \
  KZ_EDIT_ITEMS(IDM_BEGINNING_TOP), KZ_EDIT_ITEMS(IDM_MIDDLE_TOP), KZ_EDIT_ITEMS(IDM_END_TOP)

const MenuRule kMenuRules[] = {
    {IDM_CLASSIC, When::Always, {IDM_CLASSIC},
     {IDM_EMOTIVE, IDM_EXHUBERANT, IDM_FLAT, IDM_CHATTY, IDM_CONCISE}},
    {IDM_EMOTIVE, When::Always, {IDM_EMOTIVE},
     {IDM_CLASSIC, IDM_EXHUBERANT, IDM_FLAT, IDM_CHATTY, IDM_CONCISE}},
    {IDM_EXHUBERANT, When::Always, {IDM_EXHUBERANT},
     {IDM_CLASSIC, IDM_EMOTIVE, IDM_FLAT, IDM_CHATTY, IDM_CONCISE}},
    {IDM_FLAT, When::Always, {IDM_FLAT},
     {IDM_CLASSIC, IDM_EMOTIVE, IDM_EXHUBERANT, IDM_CHATTY, IDM_CONCISE}},
    {IDM_CHATTY, When::Always, {IDM_CHATTY},
     {IDM_CLASSIC, IDM_EMOTIVE, IDM_EXHUBERANT, IDM_FLAT, IDM_CONCISE}},
    {IDM_CONCISE, When::Always, {IDM_CONCISE},
     {IDM_CLASSIC, IDM_EMOTIVE, IDM_EXHUBERANT, IDM_FLAT, IDM_CHATTY}},
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
  for (int i = 0; i < 13 && ids[i] != 0; ++i) changes.Add(ids[i], greyed);
}

}  // namespace

const int kInitiallyGreyed[6] = {IDM_AMERICAN,         IDM_AS_SELLER,     IDM_ENABLE_BEGINNING,
                                 IDM_ENABLE_MIDDLE,    IDM_ENABLE_END,    IDM_ENABLE_ALL};

MenuChanges MenuRuleChanges(int commandId, bool flag, const bool sectionChecked[3]) {
  MenuChanges changes;
  for (const MenuRule& rule : kMenuRules) {
    if (rule.commandId == commandId && Applies(rule.when, flag)) {
      AddAll(changes, rule.grey, true);
      AddAll(changes, rule.enable, false);
    }
  }
  const bool any = sectionChecked[0] || sectionChecked[1] || sectionChecked[2];
  const bool all = sectionChecked[0] && sectionChecked[1] && sectionChecked[2];
  for (int id : {IDM_ALL_TOP, IDM_ALL_MIDDLE, IDM_ALL_BOTTOM, IDM_RANDOM}) changes.Add(id, !any);
  changes.Add(IDM_ENABLE_ALL, all);
  changes.Add(IDM_FREEZE_ALL, !any);
  return changes;
}

}  // namespace kz
