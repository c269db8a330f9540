// The compiled-in string table, built from the same list as the resources.
#include "compose/stored_strings.h"

#include "resources/resource_ids.h"

namespace kz {
namespace {

struct StoredString {
  int id;
  const char* text;
};

const StoredString kStoredStrings[] = {
#define KZ_STRING(id, text) {id, text},
#include "resources/strings.def"
#undef KZ_STRING
};

}  // namespace

const char* FindStoredString(int id) {
  for (const StoredString& s : kStoredStrings) {
    if (s.id == id) return s.text;
  }
  return nullptr;
}

// Behaves like loading a string resource: the text cut to limit - 1
// characters and terminated, or 0 and an empty buffer when it is missing.
int StoredStrings::LoadText(int id, char* buffer, int limit) const {
  if (limit <= 0) return 0;
  const char* text = FindStoredString(id);
  int length = 0;
  if (text) {
    while (length < limit - 1 && text[length] != '\0') {
      buffer[length] = text[length];
      ++length;
    }
  }
  buffer[length] = '\0';
  return length;
}

}  // namespace kz
