// The clipboard block is filled before the clipboard is opened, so a failed
// allocation leaves the clipboard as it was and the clipboard is held open
// only for the hand-over.
#include "shell/clipboard.h"

namespace kz {
namespace {
constexpr SIZE_T kBlockSize = 360;  // holds the longest comment the box can give
}

bool CopyToClipboard(HWND owner, const char* text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, kBlockSize);
  if (!block) return false;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return false;
  }
  SIZE_T n = 0;
  for (; n < kBlockSize - 1 && text[n] != '\0'; ++n) bytes[n] = text[n];
  bytes[n] = '\0';
  GlobalUnlock(block);

  if (!OpenClipboard(owner)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  // Once handed over the clipboard owns the block; otherwise it is ours.
  const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
  if (!placed) GlobalFree(block);
  CloseClipboard();
  return placed;
}

}  // namespace kz
