// What each command does, as data: the window's command handler looks the
// id up here and carries the entry out. No <windows.h> here.
#pragma once

#include "compose/compose_settings.h"
#include "resources/resource_ids.h"

namespace kz {

// The section checkboxes' command ids, in section order.
constexpr int kSectionCheckboxes[kSectionCount] = {IDC_BEGINNING_BOX, IDC_MIDDLE_BOX,
                                                   IDC_END_BOX};

enum class CommandAction {
  Generate,      // flash, compose, copy the comment
  Copy,          // copy the comment box as it stands
  Exit,          // destroy the main window
  Dialog,        // argument: dialog id
  Style,         // argument: style 0..5
  Spelling,      // argument: 1 American, 0 European
  Role,          // argument: 0 As Buyer, 1 As Seller
  MoveKnob,      // argument: section, row: knob row
  MoveEnabled,   // row: knob row for every enabled section
  MoveRandom,    // a random row for every enabled section
  SectionState,  // argument: section state code 0..7
  SectionBox,    // argument: section whose checkbox was clicked
};

struct RuleCall {
  int id;  // 0: no call
  bool on;
};

struct CommandEntry {
  int id;
  CommandAction action;
  int argument;
  int row;
  RuleCall rules[2];  // menu rules run afterwards, in order
};

// The entry for `id`, or nullptr for an id the window passes on.
const CommandEntry* FindCommand(int id);

// The state code and the rules of a section checkbox click, by the state
// the box is in after the click.
CommandEntry SectionBoxCommand(int section, bool checked);

}  // namespace kz
