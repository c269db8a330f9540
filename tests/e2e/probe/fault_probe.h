// What the test driver and the fault probe share: the table of hooked calls
// and the state. The probe, once its entry has put the hooks in, keeps its
// counts and the failure plan in an exported FaultState that the driver
// reads and writes in the program's memory: no thread of the driver's is
// started in the program after that (under Wine a thread started while the
// program draws can deadlock it).
#pragma once

#include <windows.h>

namespace kzprobe {

// What a call does to the handles the program holds.
enum Effect {
  kNone,
  kMakes,   // its result is a new handle
  kEnds0,   // its first argument's handle ends when the result is non-zero
  kEnds1,   // its second argument's, likewise: ReleaseDC, and SetClipboardData (the
            // clipboard owns the block then)
  kFrees0,  // its first argument's ends when the result is zero: GlobalFree
};

// One row per hooked call: name, effect, whether its handles are global
// memory blocks, whether the driver's loop makes it fail.
#define KZ_HOOKS(X)                              \
  X(OpenClipboard, kNone, false, true)           \
  X(EmptyClipboard, kNone, false, true)          \
  X(CloseClipboard, kNone, false, false)         \
  X(SetClipboardData, kEnds1, true, true)        \
  X(GlobalAlloc, kMakes, true, true)             \
  X(GlobalLock, kNone, true, true)               \
  X(GlobalFree, kFrees0, true, false)            \
  X(GetDC, kMakes, false, true)                  \
  X(ReleaseDC, kEnds1, false, false)             \
  X(LoadImageA, kMakes, false, true)             \
  X(CreateCompatibleDC, kMakes, false, true)     \
  X(CreateCompatibleBitmap, kMakes, false, true) \
  X(CreateDIBSection, kMakes, false, true)       \
  X(CreateSolidBrush, kMakes, false, true)       \
  X(DeleteDC, kEnds0, false, false)              \
  X(DeleteObject, kEnds0, false, false)          \
  X(SelectObject, kNone, false, true)            \
  X(BitBlt, kNone, false, true)                  \
  X(StretchBlt, kNone, false, true)

struct Hook {
  const char* name;
  Effect effect;
  bool global, canFail;
};
constexpr Hook kHooks[] = {
#define KZ_HOOK_ROW(name, effect, global, canFail) {#name, effect, global, canFail},
    KZ_HOOKS(KZ_HOOK_ROW)
#undef KZ_HOOK_ROW
};
constexpr int kHookCount = sizeof kHooks / sizeof kHooks[0];

// Kinds of handle: GetObjectType's (1 pens ... 14 colour spaces), 0 for any
// other, and global memory blocks.
constexpr int kGlobalBlock = 15;
constexpr int kHandleKinds = 16;

struct FaultState {
  LONG failHook;  // whose calls numbered failFirst to failLast fail; -1: none
  LONG failFirst, failLast;
  LONG imported[kHookCount];  // 1: the program imports it, and it is hooked
  LONG calls[kHookCount];     // calls the program made since the hooks went in
  LONG failed;                // calls made to fail
  LONG live[kHandleKinds];    // handles made minus handles ended, by kind
};

}  // namespace kzprobe

// The entry that puts the hooks in, and the state, by their undecorated
// names (the DLL is linked with --kill-at).
#define KZPROBE_FAULTS_NAME "KzFaults"
#define KZPROBE_FAULT_STATE_NAME "KzFaultState"
