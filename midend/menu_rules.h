// Which menu items are greyed: the rules run after a command, as plain data
// so they can be checked without a window. No <windows.h> here.
#pragma once

namespace kz {

struct MenuChange {
  int id;       // command id of the item
  bool greyed;  // true: greyed, false: enabled
};

// The changes of one rules run, in the order they are applied.
struct MenuChanges {
  static constexpr int kCapacity = 32;
  MenuChange items[kCapacity];
  int count = 0;

  void Add(int id, bool greyed) {
    if (count < kCapacity) items[count++] = {id, greyed};
  }
};

// The rule of `commandId` (when it applies with `flag`), then the checkbox
// rules for the section checkboxes as they are now.
MenuChanges MenuRuleChanges(int commandId, bool flag, const bool sectionChecked[3]);

// The items greyed in the menu before any command has run.
constexpr int kInitiallyGreyedCount = 6;
extern const int kInitiallyGreyed[kInitiallyGreyedCount];

}  // namespace kz
