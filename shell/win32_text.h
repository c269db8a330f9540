// The composer's string source over Win32: strings from the program's
// resources.
#pragma once

#include <windows.h>

#include "compose/text_seams.h"

namespace kz {

class ResourceStrings final : public StringSource {
 public:
  int LoadText(int id, char* buffer, int limit) const override {
    return LoadStringA(module, static_cast<UINT>(id), buffer, limit);
  }
  HINSTANCE module = nullptr;
};

}  // namespace kz
