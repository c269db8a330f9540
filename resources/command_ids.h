// The command ids as the C++ build sees commands.def: the menu items by
// name (IDM_...), as the resource script numbers them. The buttons and
// checkboxes are commands under their control ids (resource_ids.h).
#pragma once

#include "resources/resource_ids.h"

enum CommandId : int {
#define KZ_ITEM(name, id, caption, key, keyLetter, action, argument, row, greyedWhen) name = id,
#define KZ_STYLE(command, id, name, knobColumn, nameColumn, nameWidth, red, green, blue) \
  command = id,
#include "resources/commands.def"
};
