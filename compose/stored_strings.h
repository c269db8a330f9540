// The program's string table compiled into the code, for hosts that have no
// string resources of their own (the native tests and the command-line tool).
#pragma once

#include "compose/text_seams.h"

namespace kz {

// Looks a string up by id; nullptr when the table has none.
const char* FindStoredString(int id);

class StoredStrings final : public StringSource {
 public:
  int LoadText(int id, char* buffer, int limit) const override;
};

}  // namespace kz
