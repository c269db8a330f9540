// The clipboard block is filled before the clipboard is opened, so a failed
// allocation leaves the clipboard as it was and the clipboard is held open
// only for the hand-over.
#include "shell/clipboard.h"

namespace kz {
namespace {

constexpr SIZE_T kBlockSize = 360;  // holds the longest comment the box can give

// Another program (a clipboard manager, a remote-desktop session) may hold
// the clipboard for a moment: it is tried 5 times, 10 ms apart, before the
// copy gives up.
constexpr int kOpenTries = 5;
constexpr DWORD kOpenRetryMilliseconds = 10;

bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 1;; ++attempt) {
    if (OpenClipboard(owner)) return true;
    if (attempt == kOpenTries) return false;
    Sleep(kOpenRetryMilliseconds);
  }
}

}  // namespace

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

  if (!OpenClipboardPatiently(owner)) {
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
