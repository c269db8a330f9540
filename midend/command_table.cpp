// The command table of the main window.
#include "midend/command_table.h"

#include "panel/panel.h"
#include "resources/styles.h"
#include "resources/resource_ids.h"

namespace kz {
namespace {

using A = CommandAction;

const CommandEntry kCommands[] = {
    {IDC_GENERATE, A::Generate, 0, 0, {}},
    {IDC_COPY, A::Copy, 0, 0, {}},
    {IDM_EXIT, A::Exit, 0, 0, {}},
    {IDC_BEGINNING_BOX, A::SectionBox, 0, 0, {}},
    {IDC_MIDDLE_BOX, A::SectionBox, 1, 0, {}},
    {IDC_END_BOX, A::SectionBox, 2, 0, {}},
    {IDM_HELP, A::Dialog, IDD_HELP, 0, {}},
    {IDM_ABOUT, A::Dialog, IDD_ABOUT, 0, {}},
#define KZ_STYLE(command, name, knobColumn, nameColumn, nameWidth, red, green, blue) \
  {command, A::Style, StyleOfCommand(command), 0, {{command, true}}},
#include "resources/styles.def"
#undef KZ_STYLE
    // Spelling and role run the rule of the choice not made.
    {IDM_AMERICAN, A::Spelling, 1, 0, {{IDM_EUROPEAN, true}}},
    {IDM_EUROPEAN, A::Spelling, 0, 0, {{IDM_AMERICAN, true}}},
    {IDM_AS_BUYER, A::Role, 0, 0, {{IDM_AS_SELLER, true}}},
    {IDM_AS_SELLER, A::Role, 1, 0, {{IDM_AS_BUYER, true}}},
    {IDM_BEGINNING_TOP, A::MoveKnob, 0, kTopRow, {}},
    {IDM_BEGINNING_MIDDLE, A::MoveKnob, 0, kMiddleRow, {}},
    {IDM_BEGINNING_BOTTOM, A::MoveKnob, 0, kBottomRow, {}},
    {IDM_MIDDLE_TOP, A::MoveKnob, 1, kTopRow, {}},
    {IDM_MIDDLE_MIDDLE, A::MoveKnob, 1, kMiddleRow, {}},
    {IDM_MIDDLE_BOTTOM, A::MoveKnob, 1, kBottomRow, {}},
    {IDM_END_TOP, A::MoveKnob, 2, kTopRow, {}},
    {IDM_END_MIDDLE, A::MoveKnob, 2, kMiddleRow, {}},
    {IDM_END_BOTTOM, A::MoveKnob, 2, kBottomRow, {}},
    {IDM_ALL_TOP, A::MoveEnabled, 0, kTopRow, {}},
    {IDM_ALL_MIDDLE, A::MoveEnabled, 0, kMiddleRow, {}},
    {IDM_ALL_BOTTOM, A::MoveEnabled, 0, kBottomRow, {}},
    {IDM_RANDOM, A::MoveRandom, 0, 0, {}},
    {IDM_ENABLE_BEGINNING, A::SectionState, kEnableSection + 0, 0,
     {{IDM_ENABLE_BEGINNING, true}, {IDM_BEGINNING_TOP, true}}},
    {IDM_ENABLE_MIDDLE, A::SectionState, kEnableSection + 1, 0,
     {{IDM_ENABLE_MIDDLE, true}, {IDM_MIDDLE_TOP, true}}},
    {IDM_ENABLE_END, A::SectionState, kEnableSection + 2, 0,
     {{IDM_ENABLE_END, true}, {IDM_END_TOP, true}}},
    {IDM_ENABLE_ALL, A::SectionState, kEnableAllSections, 0, {{IDM_ENABLE_ALL, true}}},
    {IDM_FREEZE_BEGINNING, A::SectionState, kFreezeSection + 0, 0,
     {{IDM_FREEZE_BEGINNING, true}, {IDM_BEGINNING_TOP, false}}},
    {IDM_FREEZE_MIDDLE, A::SectionState, kFreezeSection + 1, 0,
     {{IDM_FREEZE_MIDDLE, true}, {IDM_MIDDLE_TOP, false}}},
    {IDM_FREEZE_END, A::SectionState, kFreezeSection + 2, 0,
     {{IDM_FREEZE_END, true}, {IDM_END_TOP, false}}},
    {IDM_FREEZE_ALL, A::SectionState, kFreezeAllSections, 0, {{IDM_FREEZE_ALL, true}}},
};

const int kEditTop[kSectionCount] = {IDM_BEGINNING_TOP, IDM_MIDDLE_TOP, IDM_END_TOP};
const int kEnableItem[kSectionCount] = {IDM_ENABLE_BEGINNING, IDM_ENABLE_MIDDLE, IDM_ENABLE_END};
const int kFreezeItem[kSectionCount] = {IDM_FREEZE_BEGINNING, IDM_FREEZE_MIDDLE, IDM_FREEZE_END};

}  // namespace

const CommandEntry* FindCommand(int id) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

// A checked box enables its section like Tools > Enable; an unchecked one
// freezes it like Tools > Freeze.
CommandEntry SectionBoxCommand(int section, bool checked) {
  if (section < 0 || section >= kSectionCount) return {0, A::SectionState, -1, 0, {}};
  const int box = kSectionCheckboxes[section];
  if (checked) {
    return {box, A::SectionState, kEnableSection + section, 0,
            {{kEditTop[section], true}, {kEnableItem[section], true}}};
  }
  return {box, A::SectionState, kFreezeSection + section, 0,
          {{kEditTop[section], false}, {kFreezeItem[section], true}}};
}

}  // namespace kz
