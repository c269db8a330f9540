// The comment styles as the C++ build sees styles.def: the style
// table, the number of styles and a command's style.
#pragma once

#include <cstdint>

#include "resources/resource_ids.h"

namespace kz {

// One row of the style table: what SetStyle writes into every record.
struct StyleRow {
  int commandId;     // the Insert menu item
  const char* name;  // the Insert menu caption and the lettering in the style-names bitmap
  std::int32_t knobColumn;
  std::int32_t nameColumn;
  std::int32_t nameWidth;
};

constexpr StyleRow kStyleTable[] = {
#define KZ_STYLE(command, id, name, knobColumn, nameColumn, nameWidth, red, green, blue) \
  {id, name, knobColumn, nameColumn, nameWidth},
#include "resources/styles.def"
#undef KZ_STYLE
};

constexpr int kStyleCount = static_cast<int>(sizeof kStyleTable / sizeof kStyleTable[0]);

// The style whose Insert menu item is `commandId`, or -1.
constexpr int StyleOfCommand(int commandId) {
  for (int style = 0; style < kStyleCount; ++style) {
    if (kStyleTable[style].commandId == commandId) return style;
  }
  return -1;
}

}  // namespace kz
