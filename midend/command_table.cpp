// Looking a command up by id.
#include "midend/command_table.h"

namespace kz {

const CommandEntry* FindCommand(int id) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

}  // namespace kz
