// The clipboard block is filled before the clipboard is opened, so a failed
// allocation leaves the clipboard as it was and the clipboard is held open
// only for the hand-over.
#include "shell/clipboard.h"

#include <cstring>

namespace kz {
namespace {

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
  const SIZE_T size = std::strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
  if (!block) return false;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(bytes, text, size);
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
