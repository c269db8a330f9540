// Which menu items are greyed and which choices are in force: a pure
// function of the program's state, applied by every front end after each
// input. No <windows.h> here.
#pragma once

#include "midend/command_table.h"

namespace kz {

// What greying reads of the program's state.
struct ChoiceState {
  int style;         // 0..5
  bool styleChosen;  // a style was chosen from the menu (the start-up one is random)
  int spelling;      // 1 American, 0 European
  int role;          // 0 As Buyer, 1 As Seller
  bool enabled[kSectionCount];
};

// How one menu item stands.
struct MenuItemView {
  bool greyed;
  int inForce;  // a style, spelling or role item: 1 its choice is in force, else 0; -1 other items

  bool operator==(const MenuItemView& other) const {
    return greyed == other.greyed && inForce == other.inForce;
  }
  bool operator!=(const MenuItemView& other) const { return !(*this == other); }
};

MenuItemView MenuItemOf(const CommandEntry& entry, const ChoiceState& state);

}  // namespace kz
