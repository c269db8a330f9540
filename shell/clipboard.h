// Placing the comment on the clipboard as plain text.
#pragma once

#include <windows.h>

namespace kz {

// True when `text` is on the clipboard; false when the clipboard could not
// be opened (another program held it for some 40 ms) or the text could not
// be handed over (the clipboard is then closed again and nothing is leaked).
bool CopyToClipboard(HWND owner, const char* text);

}  // namespace kz
