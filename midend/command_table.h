// What each command does and when its menu item is greyed, as data: the
// rows of resources/commands.def. No <windows.h> here.
#pragma once

#include "compose/compose_settings.h"
#include "resources/command_ids.h"
#include "resources/styles.h"

namespace kz {

// The section checkboxes' command ids, in section order.
constexpr int kSectionCheckboxes[kSectionCount] = {IDC_BEGINNING_BOX, IDC_MIDDLE_BOX,
                                                   IDC_END_BOX};

// An Enable or Freeze command's argument for every section at once.
constexpr int kAllSections = kSectionCount;

enum class CommandAction {
  Generate,       // flash, then compose and copy the comment
  Copy,           // copy the comment box as it stands
  ToggleSection,  // argument: the section whose checkbox was clicked
  Exit,           // end the program
  Dialog,         // argument: dialog id
  MoveKnob,       // argument: section; row: knob row
  MoveEnabled,    // row: knob row for every enabled section
  MoveRandom,     // a random row for every enabled section
  Spelling,       // argument: 1 American, 0 European
  Role,           // argument: 0 As Buyer, 1 As Seller
  Style,          // argument: style 0..5
  Enable,         // argument: section, or kAllSections
  Freeze,         // argument: section, or kAllSections
};

// When a menu item is greyed.
enum class GreyedWhen {
  Never,
  InForce,         // its choice (style, spelling, role) is the one in force
  SectionFrozen,   // section `argument` is frozen
  SectionEnabled,  // section `argument` is enabled
  AllEnabled,      // every section is enabled
  NoneEnabled,     // no section is enabled
};

struct CommandEntry {
  int id;
  CommandAction action;
  int argument;
  int row;
  GreyedWhen greyedWhen;
  const char* caption;  // the menu caption with its & letter; "" for a button or checkbox
};

constexpr CommandEntry kCommands[] = {
#define KZ_CONTROL_COMMAND(id, action, argument) \
  {id, CommandAction::action, argument, 0, GreyedWhen::Never, ""},
#define KZ_ITEM(name, id, caption, key, keyLetter, action, argument, row, greyedWhen) \
  {id, CommandAction::action, argument, row, GreyedWhen::greyedWhen, caption},
#define KZ_STYLE(command, id, name, knobColumn, nameColumn, nameWidth, red, green, blue) \
  {id, CommandAction::Style, StyleOfCommand(id), 0, GreyedWhen::InForce, name},
#include "resources/commands.def"
};

constexpr int kCommandCount = static_cast<int>(sizeof kCommands / sizeof kCommands[0]);

// The entry for `id`, or nullptr for an id that is no command.
const CommandEntry* FindCommand(int id);

// Whether `entry` is a menu item (not a button or checkbox).
constexpr bool IsMenuItem(const CommandEntry& entry) { return entry.caption[0] != '\0'; }

}  // namespace kz
